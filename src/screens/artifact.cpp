#include "screens/artifact.h"

#include "app/globals.h"

TArtifactPtr ArtifactById(int id) {
  TArtifactPtr found;
  ArtifactList.ForEach([&](const TArtifactPtr& a) {
    if (!found && a->id == id) found = a;
  });
  return found;
}
