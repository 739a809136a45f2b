// A small stereo room: parallel damped combs into series allpasses per channel, with the
// right channel's delays offset so the two sides decorrelate.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace synth {

class Reverb {
 public:
  // size 0..1 (longer tail), damping 0..1 (darker tail).
  Reverb(double size, double damping);
  // Feeds one mono sample and returns the wet left and right outputs.
  void Process(double in, double& left, double& right);

 private:
  struct Comb {
    std::vector<double> buf;
    size_t pos = 0;
    double store = 0.0;
  };
  struct Allpass {
    std::vector<double> buf;
    size_t pos = 0;
  };
  static constexpr int kCombs = 8;
  static constexpr int kAllpasses = 4;
  std::array<Comb, kCombs> combsL_, combsR_;
  std::array<Allpass, kAllpasses> allpassL_, allpassR_;
  double feedback_;
  double damp_;
};

}  // namespace synth
