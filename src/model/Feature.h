#pragma once
#include <array>

namespace quorvel {

// The features with a status indicator, in the "Status" frame's order.
enum class Feature { Greeter, Swearbot, Announcer, AutoBounce, AutoRedot, Responder, Flood };

inline constexpr std::array<Feature, 7> kAllFeatures = {Feature::Greeter,    Feature::Swearbot,  Feature::Announcer,
                                                        Feature::AutoBounce, Feature::AutoRedot, Feature::Responder,
                                                        Feature::Flood};

}  // namespace quorvel
