// The "Greeter" tab, with its "Save Greeter As:" window.
#include "panel/FeatureSwitch.h"
#include "panel/GreeterTab.h"
#include "panel/ModerationPanel.h"
#include "panel/PanelControlRows.h"

namespace quorvel::rows {
namespace {

using S = BotSettings;
using GM = BotSettings::GreetModes;

const WindowGuard kSaveAs = {[](const S& s) { return s.Panel.SaveAsOpen; }, "\"Save Greeter As:\" is not open"};

}  // namespace

std::vector<PanelControl> GreeterControls() {
  PanelControl designs =
      ListBox("DesignNames", PanelListId::DesignNames, [](S& s) -> PanelList& { return s.Greeter.DesignNames; });
  designs.Picked = PickDesigns;  // a click previews a design
  PanelControl editor{"EditorText", ControlKind::Editor};
  editor.Rich = [](S& s) -> RichText& { return s.Greeter.DesignEditor; };
  return {
      std::move(editor),
      Button("Greeter.Bold", EditorBold),
      Button("Greeter.Size8", [](Bot& b) { EditorSize(b, 8); }),
      Button("Greeter.Size10", [](Bot& b) { EditorSize(b, 10); }),
      Button("Greeter.Size11", [](Bot& b) { EditorSize(b, 11); }),
      Button("Greeter.Color", EditorColor),
      Button("Greeter.Clear", EditorClear),
      Button("Greeter.SaveToList", OpenSaveAs),
      Button("Greeter.Delete", DeleteDesigns),
      // "Cool Greetings"
      std::move(designs),
      // "Random"
      Options("RandomDesign", {{"Yes", "Yes", [](const S& s) { return s.Greeter.RandomDesign; },
                                [](S& s) { s.Greeter.RandomDesign = true; }},
                               {"No", "No", [](const S& s) { return !s.Greeter.RandomDesign; },
                                [](S& s) { s.Greeter.RandomDesign = false; }}}),
      // "Fader Options"
      Swatch("DesignFadeColorA", [](S& s) -> std::uint32_t& { return s.Style.DesignFadeColorA; }),
      Swatch("DesignFadeColorB", [](S& s) -> std::uint32_t& { return s.Style.DesignFadeColorB; }),
      Button("Greeter.Fade", EditorFade),
      // "Mode"
      Options("GreetMode", {{"Whisper", "Whisper", [](const S& s) { return s.Greeter.GreetMode == GM::Whisper; },
                             [](S& s) { s.Greeter.GreetMode = GM::Whisper; }},
                            {"Regular", "Regular", [](const S& s) { return s.Greeter.GreetMode == GM::Regular; },
                             [](S& s) { s.Greeter.GreetMode = GM::Regular; }}}),
      Button("Greeter.Start", [](Bot& b) { StartFeature(b, Feature::Greeter); }),
      Button("Greeter.Stop", [](Bot& b) { StopFeature(b, Feature::Greeter); }),
      // "Enable JRM"
      Button("JRM.Enable", EnableJrm),
      // "Save Greeter As:"
      GuardedBox("SaveAsName", &kSaveAs, [](S& s) -> std::string& { return s.Panel.SaveAsName; }),
      Button("SaveAs.Save", SaveDesign, &kSaveAs),
  };
}

}  // namespace quorvel::rows
