#pragma once
// The main window's class and control ids, shared with the tests that drive it.
namespace quorvel {

inline constexpr const char* kMainWindowClassName = "QuorvelMainWindow";

enum ControlId : int {
  kStatusFrame = 100,
  kIndicatorFirst = 101,  // six rows, in the Status frame's order
  kStart = 110,
  kStop = 111,
  kRoomFrame = 120,
  kRoomList = 121,
  kClockLabel = 130,
  kUserCountLabel = 131,
  kLineLabel = 132,
};

}  // namespace quorvel
