// TArtifact: one of the star-relics the quest hands out. The kind objects in ArtifactList are
// shared: a profile's artifacts are references to them, not copies.
#pragma once

#include <memory>

#include "media/tlist.h"

struct TImage;
struct TPixmap;

class TArtifact {
 public:
  int id = 0;
  TImage* img = nullptr;
  TPixmap* pm = nullptr;
  int x = 0, y = 0;
  float per = 0;  // flight progress into its place on the collection screen; 1 = in place
  float xx = 0, yy = 0;
  float scale = 1;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;

  virtual ~TArtifact() = default;
};

using TArtifactPtr = std::shared_ptr<TArtifact>;

// The artifact kinds of "data/artifacts.txt", in file order.
extern TList<TArtifact> ArtifactList;

// The first kind in ArtifactList with that id, or null.
TArtifactPtr ArtifactById(int id);
