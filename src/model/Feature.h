#pragma once
#include <array>

namespace quorvel {

// The six features with a status indicator, in the "Status" frame's order.
enum class Feature { Greeter, Swearbot, Announcer, AutoBounce, AutoRedot, Responder };

inline constexpr std::array<Feature, 6> kAllFeatures = {Feature::Greeter,    Feature::Swearbot,  Feature::Announcer,
                                                        Feature::AutoBounce, Feature::AutoRedot, Feature::Responder};

}  // namespace quorvel
