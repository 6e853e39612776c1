#include "panel/BotWindows.h"

#include "panel/FastAdminFrame.h"
#include "panel/GreeterTab.h"
#include "panel/NickGrabber.h"
#include "panel/RecorderPanel.h"

namespace quorvel {

void BotWindowClosedByOperator(Bot& bot, const std::string& caption) {
  BotSettings& s = bot.settings;
  if (caption == kSaveAsCaption) s.Panel.SaveAsOpen = false;
  if (caption == kGrabberCaption) {
    s.Panel.GrabberOpen = false;
    s.Grabber.GrabberList.clear();
  }
  if (caption == kRecorderCaption) s.Panel.RecorderOpen = false;  // the recorder keeps its state
  if (caption == kFastAdminEntryCaption) s.Panel.FastAdminEntryOpen = false;
}

}  // namespace quorvel
