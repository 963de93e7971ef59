#include "about/version_info.h"

#include <algorithm>

#include "about/build_info.h"
#include "res/messages.h"

namespace qv {

TVersionInfo* VersionInfo = nullptr;

namespace {

constexpr int kOpaque = 255;
constexpr int kFadeStep = 10;
constexpr unsigned kFadeTickMs = 100;

ui::FontStyle Heading() { return {ui::FontFace::Proportional, 15, true, false}; }
ui::FontStyle Link() { return {ui::FontFace::Proportional, 12, false, true}; }
ui::FontStyle Title() { return {ui::FontFace::Serif, 29, false, false}; }

}  // namespace

TVersionInfo::TVersionInfo(ui::Application& app, Shell& shell, std::string programFolder)
    : ui::Form(app), shell_(shell), programFolder_(std::move(programFolder)) {
  Layout();
  SetAlphaBlendValue(kOpaque);
  btn_feedout.OnClick = [this] { btn_feedoutClick(); };
  Label3.OnClick = [this] { Label3Click(); };
  Timer1.OnTimer = [this] { Timer1Timer(); };
}

void TVersionInfo::Layout() {
  ui::FormShape shape;
  shape.width = 408;
  shape.height = 234;
  shape.outerSize = true;
  shape.frame = ui::FrameStyle::Sizeable;
  shape.position = std::make_pair(656, 407);
  SetupForm("VersionInfo", msg::kVersionInfo, shape);

  struct Text {
    ui::Label& label;
    const char* name;
    ui::Bounds bounds;
    const char* text;
    ui::FontStyle font;
    ui::Colour colour;
  };
  const Text texts[] = {
      {Quorvel, "Quorvel", {72, 16, 206, 33}, msg::kMainCaption, Title(), ui::Colour::WindowText},
      {VersionNum, "VersionNum", {288, 16, 70, 33}, msg::kVersionText, Title(), ui::Colour::WindowText},
      {Label2, "Label2", {80, 72, 44, 15}, msg::kHomeHeading, Heading(), ui::Colour::WindowText},
      {Label3, "Label3", {128, 88, 93, 12}, build::kHomePage, Link(), ui::Colour::Blue},
      {Label4, "Label4", {80, 104, 36, 15}, msg::kMailHeading, Heading(), ui::Colour::WindowText},
      {Label5, "Label5", {128, 120, 115, 12}, build::kEmail, Link(), ui::Colour::WindowText},
      {Label6, "Label6", {80, 152, 123, 12}, build::kCopyright, ui::FontStyle{}, ui::Colour::WindowText},
  };
  Image1.Setup(*this, "Image1", {16, 8, 48, 48});
  Image1.SetIcon("MAINICON", 48);
  for (const Text& t : texts) {
    t.label.SetFont(t.font);
    t.label.SetTextColour(t.colour);
    t.label.Setup(*this, t.name, t.bounds);
    t.label.SetText(t.text);
  }
  btn_feedout.Setup(*this, "btn_feedout", {312, 160, 75, 25}, 0);
  btn_feedout.SetText(msg::kButtonOk);
  ApplyTabOrder();
  Timer1.Setup(App(), "Timer1");
  Timer1.SetInterval(kFadeTickMs);
}

void TVersionInfo::btn_feedoutClick() { Timer1.SetEnabled(true); }  // a running fade goes on as it was

void TVersionInfo::Timer1Timer() {
  if (AlphaBlendValue() > 0) {
    SetAlphaBlendValue(std::max(0, AlphaBlendValue() - kFadeStep));
    return;
  }
  SetAlphaBlendValue(kOpaque);
  Timer1.SetEnabled(false);
  Hide();
}

void TVersionInfo::Label3Click() { shell_.Open(NativeHandle(), build::kHomePage, programFolder_); }

}  // namespace qv
