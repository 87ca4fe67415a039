// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Menu.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <array>
#include <utility>

namespace {

struct TKeyPair {
  int QtKey;
  int VirtualKey;
};

constexpr std::array<TKeyPair, 18> NamedKeys{{
    {Qt::Key_Space, vkSpace},
    {Qt::Key_Escape, 27},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Backspace, 8},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Home, 36},
    {Qt::Key_End, 35},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Pause, 19},
}};

// xkb keycodes (evdev code + 8) of the letter and digit keys, by their US-layout symbol.
constexpr std::array<const char*, 4> XkbRows{"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
constexpr std::array<quint32, 4> XkbRowStart{10, 24, 38, 52};

bool HasXkbKeycodes() {
  const QString Platform = QGuiApplication::platformName();
  return Platform == QLatin1String("xcb") || Platform.startsWith(QLatin1String("wayland"));
}

} // namespace

int VirtualKeyFromQtKey(int Key) {
  if ((Key >= Qt::Key_A && Key <= Qt::Key_Z) || (Key >= Qt::Key_0 && Key <= Qt::Key_9))
    return Key; // Qt uses the same codes for these
  if (Key >= Qt::Key_F1 && Key <= Qt::Key_F12)
    return vkF1 + (Key - Qt::Key_F1);
  for (const TKeyPair& Pair : NamedKeys)
    if (Pair.QtKey == Key)
      return Pair.VirtualKey;
  return 0;
}

int VirtualKeyFromXkbKeycode(quint32 Keycode) {
  for (std::size_t Row = 0; Row < XkbRows.size(); ++Row) {
    const QLatin1String Symbols(XkbRows[Row]);
    if (Keycode >= XkbRowStart[Row] && Keycode < XkbRowStart[Row] + Symbols.size())
      return Symbols[Keycode - XkbRowStart[Row]].unicode();
  }
  return 0;
}

int ShortCutFromKey(int Key, Qt::KeyboardModifiers Modifiers) {
  const int VirtualKey = VirtualKeyFromQtKey(Key);
  if (VirtualKey == 0)
    return 0;
  int ShortCut = VirtualKey;
  if (Modifiers & Qt::ShiftModifier)
    ShortCut += scShift;
  if (Modifiers & Qt::ControlModifier)
    ShortCut += scCtrl;
  if (Modifiers & Qt::AltModifier)
    ShortCut += scAlt;
  return ShortCut;
}

int ShortCutFromKeyEvent(const QKeyEvent& Event) {
  int Key = Event.key();
  // Non-Latin layouts and shifted digits report another symbol; the physical key decides.
  if (VirtualKeyFromQtKey(Key) == 0 && Event.nativeScanCode() != 0 && HasXkbKeycodes())
    Key = VirtualKeyFromXkbKeycode(Event.nativeScanCode());
  return ShortCutFromKey(Key, Event.modifiers());
}

TMenuItem::TMenuItem(const QString& Name, const QString& Caption, int ShortCut)
    : FName(Name), FCaption(Caption), FShortCut(ShortCut) {}

TMenuItem::~TMenuItem() = default;

void TMenuItem::SetChecked(bool Value) {
  FChecked = Value;
  if (!Value || !FRadioItem || !FParent)
    return;
  for (const auto& Sibling : FParent->FItems)
    if (Sibling.get() != this && Sibling->FRadioItem && Sibling->FGroupIndex == FGroupIndex)
      Sibling->FChecked = false;
}

TMenuItem* TMenuItem::Add(std::unique_ptr<TMenuItem> Child) {
  Child->FParent = this;
  FItems.push_back(std::move(Child));
  return FItems.back().get();
}

TMenuItem* TMenuItem::Add(const QString& Name, const QString& Caption, int ShortCut) {
  return Add(std::make_unique<TMenuItem>(Name, Caption, ShortCut));
}

void TMenuItem::Click() {
  if (OnClick)
    OnClick(this);
}

TMenuItem* TMenuItem::Find(const QString& Name) {
  if (Name.isEmpty())
    return nullptr;
  if (FName == Name)
    return this;
  for (const auto& Child : FItems)
    if (TMenuItem* Found = Child->Find(Name))
      return Found;
  return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(int ShortCut) {
  if (ShortCut == 0)
    return nullptr;
  if (FShortCut == ShortCut)
    return this;
  for (const auto& Child : FItems)
    if (TMenuItem* Found = Child->FindShortCut(ShortCut))
      return Found;
  return nullptr;
}

TMainMenu::TMainMenu() = default;
TMainMenu::~TMainMenu() = default;

TMenuItem* TMainMenu::Add(const QString& Name, const QString& Caption, int ShortCut) {
  return FRoot.Add(Name, Caption, ShortCut);
}

TMenuItem* TMainMenu::Find(const QString& Name) {
  return FRoot.Find(Name);
}

bool TMainMenu::IsShortCut(int ShortCut) {
  TMenuItem* Found = FRoot.FindShortCut(ShortCut);
  if (!Found)
    return false;
  std::vector<TMenuItem*> Path;
  for (TMenuItem* Item = Found; Item != &FRoot; Item = Item->Parent())
    Path.insert(Path.begin(), Item);
  for (TMenuItem* Item : Path) {
    // Read at click time: a parent's handler may enable or disable what lies below it.
    if (!Item->Enabled())
      break;
    Item->Click();
  }
  return true;
}
