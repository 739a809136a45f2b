#include "screens/artifact.h"

TList<TArtifact> ArtifactList;

TArtifactPtr ArtifactById(int id) {
  TArtifactPtr found;
  ArtifactList.ForEach([&](const TArtifactPtr& a) {
    if (!found && a->id == id) found = a;
  });
  return found;
}
