// The owners of system resources count what they hold, and a program that
// leaks a font fails the long-run test's judgement.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "host/LiveCount.h"
#include "panel/win32/GdiHandles.h"
#include "panel/win32/MainWindowIds.h"
#include "roomlink/win32/RemoteProcess.h"
#include "soak/SoakVerdict.h"
#include "storage/win32/Win32RegistryStore.h"

namespace quorvel {
namespace {

HFONT NewFont() { return CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"); }

TEST(LiveCountTest, EachOwnerCountsWhatItHolds) {
  auto count = [](LiveKind k) { return LiveCount(k); };
  const long gdi = count(LiveKind::GdiObject), dcs = count(LiveKind::DeviceContext);
  const long processes = count(LiveKind::ProcessHandle), blocks = count(LiveKind::RemoteBlock);
  const long keys = count(LiveKind::RegistryKey);
  {
    Font font(NewFont());
    Brush brush(CreateSolidBrush(RGB(1, 2, 3)));
    Font empty;
    WindowDc screen(nullptr);
    EXPECT_EQ(count(LiveKind::GdiObject), gdi + 2);
    EXPECT_EQ(count(LiveKind::DeviceContext), dcs + 1);
    empty = std::move(font);
    EXPECT_EQ(count(LiveKind::GdiObject), gdi + 2);
    empty.Reset();
    EXPECT_EQ(count(LiveKind::GdiObject), gdi + 1);

    const HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    {
      const ProcessOpener open = [](unsigned long access, unsigned long pid) -> void* {
        return OpenProcess(access, FALSE, pid);
      };
      RemoteProcess process(window, open);
      ASSERT_TRUE(process.Valid());
      RemoteBlock block(process, 64);
      EXPECT_EQ(count(LiveKind::ProcessHandle), processes + 1);
      EXPECT_EQ(count(LiveKind::RemoteBlock), blocks + 1);
    }
    DestroyWindow(window);
    // A registry key is held only inside each call of the store.
    Win32RegistryStore registry;
    registry.CreateKey(RootKey::CurrentUser, "Software\\QuorvelLiveCountTest");
    EXPECT_EQ(registry.OpenKey(RootKey::CurrentUser, "Software\\QuorvelLiveCountTest", KeyAccess::Read),
              OpenResult::Opened);
    registry.DeleteKey(RootKey::CurrentUser, "Software\\QuorvelLiveCountTest");
  }
  EXPECT_EQ(count(LiveKind::GdiObject), gdi);
  EXPECT_EQ(count(LiveKind::DeviceContext), dcs);
  EXPECT_EQ(count(LiveKind::ProcessHandle), processes);
  EXPECT_EQ(count(LiveKind::RemoteBlock), blocks);
  EXPECT_EQ(count(LiveKind::RegistryKey), keys);
}

// A run sampled as the soak samples quorvel.exe, with a font made on every
// tick; `leak` keeps each alive to the end instead of freeing it at once.
std::vector<std::string> FaultsOfRun(bool leak) {
  std::vector<std::unique_ptr<Font>> leaked;
  std::vector<soak::ResourceSample> samples;
  for (long long tick = 1; tick <= 150; ++tick) {
    auto font = std::make_unique<Font>(NewFont());
    if (leak) leaked.push_back(std::move(font));
    if (tick % 5 != 0) continue;
    soak::ResourceSample s;
    s.Tick = tick;
    for (size_t k = 0; k < kLiveKinds; ++k) s.Live[k] = LiveCount(static_cast<LiveKind>(k));
    s.WorkingSetKb = 30000;
    samples.push_back(s);
  }
  soak::ResourceBounds bounds;
  bounds.WarmUpTicks = 40;
  return soak::JudgeResources(samples, bounds);
}

TEST(LiveCountTest, ALeakedFontFailsTheSoak) {
  EXPECT_TRUE(FaultsOfRun(false).empty());
  const auto faults = FaultsOfRun(true);
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_EQ(faults[0].rfind("GDI objects grew", 0), 0u) << faults[0];
}

}  // namespace
}  // namespace quorvel
