#pragma once
// Random room traffic for the long-run test of quorvel.exe, one step per poll
// tick of the bot: chat, joins, nicks leaving, whispers, admin commands, the
// operator's bounce and red-dot keys and buttons, the client's notice window.
// Each step also names the nicks it gives the bot reason to bounce or red-dot,
// for the journal's check (SoakVerdict.h).
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace quorvel::soak {

inline constexpr const char* kSoakRoom = "Lobby Room";
inline constexpr const char* kSoakAdmin = "Ann";
// On the auto-red-dot and the auto-bounce list.
inline constexpr const char* kSoakRedDotted = "Spam1";
inline constexpr const char* kSoakBounced = "Spam2";

enum class OperatorPress { None, HotKeyBounce, HotKeyRedDot, ManualBounce, ManualRedDot, EnableAll };

struct SoakStep {
  std::vector<std::string> Enter;  // nicks that come into the nick list first
  std::vector<std::string> Leave;  // nicks that leave it
  std::vector<std::string> Lines;  // then appended to the transcript, in order
  std::string Select;              // the nick the operator selects in the client, then presses
  OperatorPress Press = OperatorPress::None;
  bool Notice = false;               // the client opens its notice window
  std::vector<std::string> Reasons;  // nicks the bot may bounce or red-dot now
};

// The nicks a transcript line gives the bot reason to act on: the one who
// joins, the one who speaks, and the one a "bc! " or "rd! " command names.
std::vector<std::string> LineReasons(const std::string& line);

class SoakTraffic {
 public:
  explicit SoakTraffic(std::uint32_t seed) : random_(seed) {}
  // The next step, for a room whose nick list holds `present` now.
  SoakStep Next(const std::vector<std::string>& present);

 private:
  const std::string& Pick(const std::vector<std::string>& from);
  long long step_ = 0;
  std::mt19937 random_;
};

}  // namespace quorvel::soak
