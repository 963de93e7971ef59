#include "ui/control.h"

#include <algorithm>

#include "platform/errors.h"
#include "res/messages.h"
#include "ui/application.h"

namespace qv::ui {

Control::~Control() {
  // Windows go children first, while their parents still exist; members of a form are
  // destroyed in any order.
  ReleasePeers();
  for (Control* child : children_) child->parent_ = nullptr;
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void Control::ReleasePeers() {
  for (Control* child : children_) child->ReleasePeers();
  peer_.reset();
}

void Control::Setup(Control& parent, std::string name, Bounds bounds, int tabOrder) {
  app_ = parent.app_;
  parent_ = &parent;
  parent.children_.push_back(this);
  name_ = std::move(name);
  bounds_ = bounds;
  tabOrder_ = tabOrder;
  MakePeer();
}

void Control::SetupTopLevel(std::string name, Bounds clientArea) {
  name_ = std::move(name);
  bounds_ = clientArea;
  MakePeer();
}

void Control::MakePeer() {
  if (colour_ == Colour::Default) {
    const bool field = kind_ == ControlKind::Edit || kind_ == ControlKind::Memo || kind_ == ControlKind::ListBox;
    colour_ = field ? Colour::Window : Colour::ButtonFace;
  }
  peer_ = app_->GetBackend().CreatePeer(*this);
  peer_->SetFont(font_);
  peer_->SetTextColour(textColour_);
  peer_->SetColour(colour_);
}

Application& Control::App() const { return *app_; }

std::string Control::Text() const { return peer_ ? peer_->Text() : std::string(); }

void Control::SetText(const std::string& text) {
  if (peer_) peer_->SetText(text);
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (peer_) peer_->SetEnabled(enabled);
}

bool Control::Responds() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->enabled_) return false;
  }
  return true;
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (peer_) peer_->SetVisible(visible);
}

void Control::SetColour(Colour colour) {
  colour_ = colour;
  if (peer_) peer_->SetColour(colour);
}

void Control::SetFont(const FontStyle& font) {
  font_ = font;
  if (peer_) peer_->SetFont(font);
}

void Control::SetTextColour(Colour colour) {
  textColour_ = colour;
  if (peer_) peer_->SetTextColour(colour);
}

void Control::ApplyTabOrder() {
  std::vector<Control*> ordered = children_;
  std::stable_sort(ordered.begin(), ordered.end(), [](const Control* a, const Control* b) {
    const unsigned ka = static_cast<unsigned>(a->tabOrder_), kb = static_cast<unsigned>(b->tabOrder_);
    return ka < kb;  // -1 becomes the largest
  });
  ControlPeer* previous = nullptr;
  for (Control* child : ordered) {
    child->peer_->PlaceAfter(previous);
    previous = child->peer_.get();
    child->ApplyTabOrder();
  }
}

void Control::Dispatch(const std::function<void()>& handler) const {
  if (handler) app_->Dispatch(handler);
}

void Button::UserClicked() { Dispatch(OnClick); }

void Label::UserClicked() { Dispatch(OnClick); }

bool CheckBox::Checked() const { return Peer()->Checked(); }

void CheckBox::SetChecked(bool checked) {
  if (Checked() == checked) return;
  Peer()->SetChecked(checked);
  if (OnClick) OnClick();
}

void CheckBox::UserClicked() {
  app_->Dispatch([this] { SetChecked(!Checked()); });
}

int ListBox::Count() const { return Peer()->Count(); }

std::string ListBox::Item(int index) const {
  if (index < 0 || index >= Count()) throw ListIndexError(index);
  return Peer()->Item(index);
}

std::vector<std::string> ListBox::Items() const {
  std::vector<std::string> items;
  for (int i = 0; i < Count(); ++i) items.push_back(Peer()->Item(i));
  return items;
}

void ListBox::Add(const std::string& item) { Peer()->AddItem(item); }

void ListBox::Delete(int index) {
  if (index < 0 || index >= Count()) throw ListIndexError(index);
  Peer()->DeleteItem(index);
}

void ListBox::Clear() { Peer()->ClearItems(); }

int ListBox::ItemIndex() const { return Peer()->ItemIndex(); }

void ListBox::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) throw ListIndexError(index);
  Peer()->SetItemIndex(index);
}

void ListBox::UserSelected(int index) {
  if (index < 0 || index >= Count()) return;
  Peer()->SetItemIndex(index);
  Dispatch(OnSelect);
}

void ListBox::UserDoubleClicked() {
  if (ItemIndex() >= 0) Dispatch(OnDoubleClick);
}

void ProgressBar::SetRange(int min, int max) {
  if (max < min) throw AppError(Format(msg::kProgressRangeError, max));
  min_ = min;
  max_ = max;
  Peer()->SetRange(min_, max_);
  SetPosition(position_);
}

void ProgressBar::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  Peer()->SetPosition(position_);
}

}  // namespace qv::ui
