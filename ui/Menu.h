// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A menu tree that is never shown but whose shortcut keys still work.
//
// Shortcuts use the classic integer encoding: a virtual key code plus scShift, scCtrl
// and scAlt (Ctrl+N is scCtrl + 'N' = 16462, F10 is 121). 0 means no shortcut.

#include <QString>
#include <Qt>

#include <functional>
#include <memory>
#include <vector>

class QKeyEvent;

constexpr int scShift = 0x2000;
constexpr int scCtrl = 0x4000;
constexpr int scAlt = 0x8000;

// Virtual key codes of the keys we know: 'A'..'Z', '0'..'9', VK_F1.. and the like.
constexpr int vkF1 = 112;
constexpr int vkF2 = 113;
constexpr int vkF10 = 121;
constexpr int vkSpace = 32;

// The virtual key code of a Qt key, 0 for keys without one.
int VirtualKeyFromQtKey(int Key);
// The virtual key of an xkb keycode (X11 or Wayland) for letters and digits, 0 otherwise;
// it finds Ctrl+N on a Cyrillic layout, where Qt reports the Cyrillic letter instead.
int VirtualKeyFromXkbKeycode(quint32 Keycode);
// Shift, Ctrl and Alt exactly as held; other modifiers (keypad, Meta) are ignored.
int ShortCutFromKey(int Key, Qt::KeyboardModifiers Modifiers);
// The event's key with its modifiers; 0 when the key has no virtual key code.
int ShortCutFromKeyEvent(const QKeyEvent& Event);

class TMenuItem {
public:
  using TClickHandler = std::function<void(TMenuItem* Sender)>;

  explicit TMenuItem(const QString& Name = QString(), const QString& Caption = QString(),
                     int ShortCut = 0);
  ~TMenuItem();
  TMenuItem(const TMenuItem&) = delete;
  TMenuItem& operator=(const TMenuItem&) = delete;

  const QString& Name() const { return FName; }
  void SetName(const QString& Value) { FName = Value; }
  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& Value) { FCaption = Value; }
  int ShortCut() const { return FShortCut; }
  void SetShortCut(int Value) { FShortCut = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value) { FRadioItem = Value; }
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  bool Checked() const { return FChecked; }
  // Checking a radio item unchecks the sibling radio items of the same group.
  void SetChecked(bool Value);

  TClickHandler OnClick;

  TMenuItem* Parent() const { return FParent; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Item(int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
  // Appends a child and returns it; the item owns its children.
  TMenuItem* Add(std::unique_ptr<TMenuItem> Child);
  TMenuItem* Add(const QString& Name, const QString& Caption, int ShortCut = 0);

  // Runs OnClick, if set; enabled state and visibility are the caller's business.
  void Click();

  // Depth first in menu order, this item first; nullptr when none matches.
  TMenuItem* Find(const QString& Name);
  TMenuItem* FindShortCut(int ShortCut);

private:
  QString FName;
  QString FCaption;
  int FShortCut = 0;
  int FTag = 0;
  bool FEnabled = true;
  bool FVisible = true;
  bool FChecked = false;
  bool FRadioItem = false;
  int FGroupIndex = 0;
  TMenuItem* FParent = nullptr;
  std::vector<std::unique_ptr<TMenuItem>> FItems;
};

// The window's menu: owns the top-level items and dispatches their shortcuts.
class TMainMenu {
public:
  TMainMenu();
  ~TMainMenu();
  TMainMenu(const TMainMenu&) = delete;
  TMainMenu& operator=(const TMainMenu&) = delete;

  // The invisible root whose children are the top-level items.
  TMenuItem& Items() { return FRoot; }
  TMenuItem* Add(const QString& Name, const QString& Caption, int ShortCut = 0);
  TMenuItem* Find(const QString& Name);

  // Finds the first item with this shortcut over the whole tree, shown or not, and clicks
  // the path from its top-level item down to it, stopping at the first disabled item.
  // True when an item was found: the key is then consumed even if nothing was clicked.
  bool IsShortCut(int ShortCut);

private:
  TMenuItem FRoot;
};
