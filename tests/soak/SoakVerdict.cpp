#include "SoakVerdict.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <set>
#include <sstream>

#include "roomlink/ClientLayout.h"

namespace quorvel::soak {
namespace {

std::vector<std::string> Fields(const std::string& line, char separator) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == separator)
      fields.emplace_back();
    else
      fields.back().push_back(c);
  }
  return fields;
}

// A nick as the room knows it: no admin mark, case folded.
std::string Nick(const std::string& item) {
  std::string nick;
  for (char c : item)
    if (c != '@') nick.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  return nick;
}

}  // namespace

std::vector<std::string> JudgeResources(const std::vector<ResourceSample>& samples, const ResourceBounds& bounds) {
  std::array<long, kLiveKinds> warmLive{};
  long long warmSet = 0;
  bool warmSeen = false, laterSeen = false;
  for (const auto& s : samples) {
    if (s.Tick > bounds.WarmUpTicks) continue;
    for (size_t k = 0; k < kLiveKinds; ++k) warmLive[k] = std::max(warmLive[k], s.Live[k]);
    warmSet = std::max(warmSet, s.WorkingSetKb);
    warmSeen = true;
  }
  std::vector<std::string> faults;
  std::array<bool, kLiveKinds> told{};
  bool setTold = false;
  for (const auto& s : samples) {
    if (s.Tick <= bounds.WarmUpTicks) continue;
    laterSeen = true;
    for (size_t k = 0; k < kLiveKinds; ++k) {
      if (told[k] || s.Live[k] <= warmLive[k] + bounds.CountSlack) continue;
      told[k] = true;
      std::ostringstream out;
      out << kLiveKindNames[k] << " grew from " << warmLive[k] << " to " << s.Live[k] << " by tick " << s.Tick;
      faults.push_back(out.str());
    }
    if (!setTold && s.WorkingSetKb > warmSet + bounds.WorkingSetSlackKb) {
      setTold = true;
      std::ostringstream out;
      out << "the working set grew from " << warmSet << " kB to " << s.WorkingSetKb << " kB by tick " << s.Tick;
      faults.push_back(out.str());
    }
  }
  if (!warmSeen || !laterSeen) faults.push_back("no sample on both sides of the warm-up");
  return faults;
}

std::string JoinNicks(const std::vector<std::string>& nicks) {
  std::string out;
  for (const auto& n : nicks) out += (out.empty() ? "" : ",") + n;
  return out;
}

ModerationVerdict JudgeModeration(const std::vector<std::string>& journal, int reasonSteps) {
  ModerationVerdict verdict;
  std::set<std::string> room;
  std::deque<std::set<std::string>> reasons;  // the newest step last
  for (const auto& line : journal) {
    const auto f = Fields(line, '\t');
    if ((f[0] == "ENTERED" || f[0] == "LEFT") && f.size() == 3) {
      if (f[0] == "ENTERED")
        room.insert(Nick(f[2]));
      else
        room.erase(Nick(f[2]));
    } else if (f[0] == "NOTE" && f.size() == 4 && f[1] == kStepNote) {
      std::set<std::string> named;
      for (const auto& n : Fields(f[3], ','))
        if (!n.empty()) named.insert(Nick(n));
      reasons.push_back(std::move(named));
      while (reasons.size() > static_cast<size_t>(std::max(reasonSteps, 1))) reasons.pop_front();
    } else if (f[0] == "COMMAND" && f.size() == 3 && f[2] != "-") {
      const bool bounce = f[1] == std::to_string(kCommandBounce);
      if (!bounce && f[1] != std::to_string(kCommandRedDot)) continue;
      ++verdict.Acts;
      const std::string nick = Nick(f[2]);
      const char* what = bounce ? "bounce of " : "red dot of ";
      if (!room.count(nick)) {
        verdict.Faults.push_back(what + f[2] + ", who was not in the room");
      } else if (std::none_of(reasons.begin(), reasons.end(), [&](const auto& r) { return r.count(nick) > 0; })) {
        verdict.Faults.push_back(what + f[2] + ", whom none of the last " + std::to_string(reasonSteps) +
                                 " steps gave a reason");
      }
      // The client removes a bounced nick from its list.
      if (bounce) room.erase(nick);
    }
  }
  return verdict;
}

}  // namespace quorvel::soak
