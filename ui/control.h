// Controls with properties and events. State that the user can change is held by the peer
// the backend made; properties only code sets are kept here and pushed to the peer.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace qv::ui {

class Application;

class Control {
 public:
  explicit Control(ControlKind kind) : kind_(kind) {}
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Places the control on `parent` (the form or a group box) and makes its peer. Parents are
  // set up before their children.
  void Setup(Control& parent, std::string name, Bounds bounds, int tabOrder = -1);

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  Control* Parent() const { return parent_; }
  const std::vector<Control*>& Children() const { return children_; }
  const Bounds& GetBounds() const { return bounds_; }
  int TabOrder() const { return tabOrder_; }
  Application& App() const;

  std::string Text() const;
  void SetText(const std::string& text);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Enabled, and so is every parent: only then does the control respond to the user.
  bool Responds() const;
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  Colour GetColour() const { return colour_; }
  void SetColour(Colour colour);
  const FontStyle& Font() const { return font_; }
  void SetFont(const FontStyle& font);
  void SetFont(FontFace face) { SetFont(FontStyle{face}); }
  Colour TextColour() const { return textColour_; }
  void SetTextColour(Colour colour);

  ControlPeer* Peer() const { return peer_.get(); }
  void* NativeHandle() const { return peer_ ? peer_->NativeHandle() : nullptr; }

  // Sorts each parent's children by tab order; controls without one go last.
  void ApplyTabOrder();

  // What the peer reports the user did.
  virtual void UserClicked() {}

 protected:
  // Runs a handler for an event the user caused; an exception ends only the handler.
  void Dispatch(const std::function<void()>& handler) const;
  // For a top-level window, which has no parent.
  void SetupTopLevel(std::string name, Bounds clientArea);

  Application* app_ = nullptr;

 private:
  void MakePeer();
  void ReleasePeers();

  ControlKind kind_;
  std::string name_;
  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  Bounds bounds_;
  int tabOrder_ = -1;
  bool enabled_ = true;
  bool visible_ = true;
  Colour colour_ = Colour::Default;
  FontStyle font_;
  Colour textColour_ = Colour::WindowText;
  std::unique_ptr<ControlPeer> peer_;
};

class GroupBox : public Control {
 public:
  GroupBox() : Control(ControlKind::GroupBox) {}
};

// Sizes itself to its text.
class Label : public Control {
 public:
  Label() : Control(ControlKind::Label) {}
  std::function<void()> OnClick;
  void UserClicked() override;
};

class Edit : public Control {
 public:
  Edit() : Control(ControlKind::Edit) {}
};

// Read-only, multi-line, word-wrapped, without scroll bars or a text limit; a new text shows
// its beginning.
class Memo : public Control {
 public:
  Memo() : Control(ControlKind::Memo) {}
};

class Button : public Control {
 public:
  Button() : Control(ControlKind::Button) {}
  std::function<void()> OnClick;
  void UserClicked() override;
};

// The click handler runs on every change of state, made by the user or by code, and never
// for setting the state the box already has.
class CheckBox : public Control {
 public:
  CheckBox() : Control(ControlKind::CheckBox) {}
  std::function<void()> OnClick;
  bool Checked() const;
  void SetChecked(bool checked);
  void UserClicked() override;
};

// Single selection, entries in the order added.
class ListBox : public Control {
 public:
  ListBox() : Control(ControlKind::ListBox) {}
  std::function<void()> OnSelect;       // the user selected an entry
  std::function<void()> OnDoubleClick;  // the user double-clicked the selected entry

  int Count() const;
  // Raises ListIndexError outside 0..Count()-1.
  std::string Item(int index) const;
  std::vector<std::string> Items() const;
  void Add(const std::string& item);
  void Delete(int index);
  void Clear();
  int ItemIndex() const;  // -1: none selected
  void SetItemIndex(int index);

  void UserSelected(int index);
  void UserDoubleClicked();
};

// Its position is held within the range.
class ProgressBar : public Control {
 public:
  ProgressBar() : Control(ControlKind::ProgressBar) {}
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // Raises an error for a maximum below the minimum.
  void SetRange(int min, int max);
  void SetMax(int max) { SetRange(min_, max); }
  void SetPosition(int position);

 private:
  int min_ = 0, max_ = 100, position_ = 0;
};

class Image : public Control {
 public:
  Image() : Control(ControlKind::Image) {}
  void SetIcon(const std::string& resource, int size) { Peer()->SetIcon(resource, size); }
};

}  // namespace qv::ui
