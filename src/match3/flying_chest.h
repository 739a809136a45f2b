// TFlyingChest: the lid of an opened chest tumbling off the bottom of the screen.
#pragma once

#include <memory>

class TFlyingChest : public std::enable_shared_from_this<TFlyingChest> {
 public:
  float rot = 0;
  float x = 0, y = 0;
  float vy = 0, vx = 0;

  virtual ~TFlyingChest() = default;
  virtual int draw();
  virtual int update();
  virtual int destroy();
};

std::shared_ptr<TFlyingChest> NewFlyingChest(int x, int y);
int UpdateAndDrawFlyingChests();
