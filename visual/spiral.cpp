#include "spiral.h"

#include <algorithm>
#include <cmath>

namespace visual {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFlowPerSecond = 1.0 / 26.0;  // a dot takes 26 s from the centre to the rim
constexpr double kTurnPerSecond = 0.11;        // radians: the arms turn once a minute or so
constexpr double kTwist = 3.4;                 // radians an arm winds from the centre to the rim
constexpr double kSwayPeriod = 17.0;           // seconds of the arms' slow sway
constexpr double kSway = 0.16;                 // radians
constexpr double kBreathPeriod = 3.4;          // seconds
constexpr double kDesignRim = 500.0;           // sizes are chosen for a rim of 500 px
constexpr double kInnerSize = 1.3, kSizeGrowth = 3.6;  // core radius at the centre, and its growth to the rim
constexpr double kSizeBreath = 0.07;

double Smoothstep(double edge0, double edge1, double x) {
  const double s = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return s * s * (3 - 2 * s);
}

double Fraction(double x) { return x - std::floor(x); }

}  // namespace

Rect Union(const Rect& a, const Rect& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

float LargestDotSize(const Rect& monitor) {
  const double rim = kRimShare * std::min(monitor.Width(), monitor.Height());
  return std::max(kMinDotSize, static_cast<float>(rim / kDesignRim * (kInnerSize + kSizeGrowth)));
}

void SpiralDots(const Rect& monitor, double t, std::vector<Dot>& out) {
  const double cx = (monitor.left + monitor.right) / 2.0;
  const double cy = (monitor.top + monitor.bottom) / 2.0;
  const double rim = kRimShare * std::min(monitor.Width(), monitor.Height());
  const double scale = rim / kDesignRim;
  const double breath = 2 * kPi * t / kBreathPeriod;
  for (int arm = 0; arm < kArms; ++arm) {
    const double armAngle = 2 * kPi * arm / kArms;
    for (int k = 0; k < kDotsPerArm; ++k) {
      // u runs from 0 at the centre to 1 at the rim, and wraps round.
      const double u = Fraction(static_cast<double>(k) / kDotsPerArm + t * kFlowPerSecond);
      const double angle = armAngle + kTwist * u + kTurnPerSecond * t +
                           kSway * std::sin(2 * kPi * t / kSwayPeriod + 5 * u);
      const double r = rim * u;
      const double wave = std::sin(breath - 6.0 * u + 2.1 * arm);
      Dot dot;
      dot.x = static_cast<float>(cx + r * std::cos(angle));
      dot.y = static_cast<float>(cy + r * std::sin(angle));
      dot.size = std::max(kMinDotSize,
                          static_cast<float>(scale * (kInnerSize + kSizeGrowth * u) *
                                             (1 - kSizeBreath + kSizeBreath * wave)));
      const double fade = Smoothstep(0.0, 0.14, u) * (1 - Smoothstep(0.72, 1.0, u));
      dot.brightness = static_cast<float>(fade * (0.64 + 0.36 * wave));
      dot.hue = static_cast<Hue>(arm % 3);
      out.push_back(dot);
    }
  }
}

}  // namespace visual
