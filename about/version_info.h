// TVersionInfo, the about window: the program's picture, name and version and the maker's
// contacts; OK fades it out.
#pragma once

#include <string>

#include "platform/shell.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace qv {

class TVersionInfo : public ui::Form {
 public:
  // Made hidden, at its stored place, fully opaque.
  TVersionInfo(ui::Application& app, Shell& shell, std::string programFolder);

  ui::Label Quorvel;
  ui::Label VersionNum;
  ui::Label Label2;
  ui::Label Label3;
  ui::Label Label4;
  ui::Label Label5;
  ui::Label Label6;
  ui::Button btn_feedout;
  ui::Timer Timer1;
  ui::Image Image1;

  void Timer1Timer();
  void btn_feedoutClick();
  void Label3Click();

 private:
  void Layout();

  Shell& shell_;
  std::string programFolder_;
};

// The one about window, reached program-wide.
extern TVersionInfo* VersionInfo;

}  // namespace qv
