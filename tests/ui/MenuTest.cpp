// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Menu.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

// The shape of the main window's menu: hidden top-level items, a hidden submenu with a
// handler of its own, and a disabled item.
class MenuTest : public ::testing::Test {
protected:
  MenuTest() {
    Game1 = Menu.Add("Game1", "&Game");
    Game1->SetVisible(false);
    New1 = Logged(Game1->Add("New1", "&New", scCtrl + 'N'));
    Undo1 = Logged(Game1->Add("Undo1", "&Вернути хід", scCtrl + 'Z'));
    Undo1->SetEnabled(false);
    Options1 = Logged(Game1->Add("Options1", "&Параметри"));
    Options1->SetVisible(false);
    Animation1 = Logged(Options1->Add("Animation1", "&Animation", scCtrl + 'A'));
    Logged(Game1->Add("Exit1", "E&xit", vkF10));
    Help1 = Menu.Add("Help1", "&About");
    Help1->SetVisible(false);
    Logged(Help1->Add("Second1", "&Second", scCtrl + 'A'));
  }

  TMenuItem* Logged(TMenuItem* Item) {
    Item->OnClick = [this](TMenuItem* Sender) { Log.push_back(Sender->Name()); };
    return Item;
  }

  TMainMenu Menu;
  QStringList Log;
  TMenuItem *Game1, *New1, *Undo1, *Options1, *Animation1, *Help1;
};

} // namespace

TEST_F(MenuTest, ShortcutsReachHiddenItems) {
  New1->SetVisible(false);
  EXPECT_TRUE(Menu.IsShortCut(scCtrl + 'N'));
  EXPECT_EQ(Log, QStringList{"New1"});
  EXPECT_TRUE(Menu.IsShortCut(121));
  EXPECT_EQ(Log, QStringList({"New1", "Exit1"}));
}

TEST_F(MenuTest, ParentsAreClickedFirstAndFirstMatchWins) {
  // Second1 carries Ctrl+A too, but Animation1 comes first in menu order.
  EXPECT_TRUE(Menu.IsShortCut(scCtrl + 'A'));
  EXPECT_EQ(Log, QStringList({"Options1", "Animation1"}));
}

TEST_F(MenuTest, DisabledItemConsumesKeyWithoutClicking) {
  EXPECT_TRUE(Menu.IsShortCut(scCtrl + 'Z'));
  EXPECT_TRUE(Log.isEmpty());
  Undo1->SetEnabled(true);
  EXPECT_TRUE(Menu.IsShortCut(scCtrl + 'Z'));
  EXPECT_EQ(Log, QStringList{"Undo1"});
}

TEST_F(MenuTest, DisabledParentStopsThePath) {
  Logged(Game1);
  Options1->SetEnabled(false);
  EXPECT_TRUE(Menu.IsShortCut(scCtrl + 'A'));
  EXPECT_EQ(Log, QStringList{"Game1"});
}

TEST_F(MenuTest, UnknownOrInexactShortcutsAreNotConsumed) {
  EXPECT_FALSE(Menu.IsShortCut(scCtrl + scShift + 'Z'));
  EXPECT_FALSE(Menu.IsShortCut(scAlt + 'N'));
  EXPECT_FALSE(Menu.IsShortCut('N'));
  EXPECT_FALSE(Menu.IsShortCut(0)); // Game1 and the others without a shortcut hold 0
  EXPECT_TRUE(Log.isEmpty());
}

TEST_F(MenuTest, FindsItemsByName) {
  EXPECT_EQ(Menu.Find("Animation1"), Animation1);
  EXPECT_EQ(Menu.Find("Animation1")->Parent(), Options1);
  EXPECT_EQ(Menu.Find("Help1"), Help1);
  EXPECT_EQ(Menu.Find("Nothing1"), nullptr);
  EXPECT_EQ(Menu.Find(""), nullptr);
}

TEST(MenuItem, CheckingRadioItemUnchecksItsGroupOnly) {
  TMenuItem Game("Game1");
  auto Radio = [&Game](const char* Name, int Group) {
    TMenuItem* Item = Game.Add(Name, Name);
    Item->SetRadioItem(true);
    Item->SetGroupIndex(Group);
    return Item;
  };
  TMenuItem* Beginner = Radio("Beginner1", 1);
  TMenuItem* Intermediate = Radio("Intermediate1", 1);
  TMenuItem* Expert = Radio("Expert1", 1);
  TMenuItem* Other = Radio("Other1", 2);
  TMenuItem* Plain = Game.Add("Plain1", "Plain");
  Plain->SetGroupIndex(1);
  for (TMenuItem* Item : {Beginner, Other, Plain})
    Item->SetChecked(true);

  Intermediate->SetChecked(true);
  EXPECT_FALSE(Beginner->Checked());
  EXPECT_TRUE(Intermediate->Checked());
  EXPECT_FALSE(Expert->Checked());
  EXPECT_TRUE(Other->Checked());
  EXPECT_TRUE(Plain->Checked());

  Intermediate->SetChecked(false);
  EXPECT_FALSE(Beginner->Checked() || Intermediate->Checked() || Expert->Checked());
}

TEST(ShortCut, KeyEventsCarryExactModifiers) {
  auto Of = [](int Key, Qt::KeyboardModifiers Modifiers) {
    return ShortCutFromKeyEvent(QKeyEvent(QEvent::KeyPress, Key, Modifiers));
  };
  EXPECT_EQ(Of(Qt::Key_N, Qt::ControlModifier), 16462);
  EXPECT_EQ(Of(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier), 16474 + scShift);
  EXPECT_EQ(Of(Qt::Key_F10, Qt::NoModifier), 121);
  EXPECT_EQ(Of(Qt::Key_F1, Qt::AltModifier), 112 + scAlt);
  EXPECT_EQ(Of(Qt::Key_Left, Qt::AltModifier | Qt::ShiftModifier), 37 + scAlt + scShift);
  EXPECT_EQ(Of(Qt::Key_5, Qt::KeypadModifier), '5');
  EXPECT_EQ(Of(Qt::Key_Enter, Qt::KeypadModifier | Qt::ControlModifier), 13 + scCtrl);
  EXPECT_EQ(Of(Qt::Key_Backtab, Qt::ShiftModifier), 9 + scShift);
  EXPECT_EQ(Of(Qt::Key_Delete, Qt::MetaModifier), 46);
  EXPECT_EQ(Of(Qt::Key_PageDown, Qt::NoModifier), 34);
  EXPECT_EQ(Of(Qt::Key_Space, Qt::NoModifier), vkSpace);
  EXPECT_EQ(Of(Qt::Key_VolumeUp, Qt::ControlModifier), 0);
}

TEST(ShortCut, XkbKeycodesGiveLatinKeys) {
  const std::pair<quint32, int> Cases[] = {{57, 'N'}, {52, 'Z'}, {29, 'Y'}, {38, 'A'}, {46, 'L'},
                                           {58, 'M'}, {24, 'Q'}, {33, 'P'}, {10, '1'}, {19, '0'},
                                           {9, 0},    {47, 0},   {34, 0},   {59, 0},   {0, 0}};
  for (const auto& [Keycode, VirtualKey] : Cases)
    EXPECT_EQ(VirtualKeyFromXkbKeycode(Keycode), VirtualKey) << Keycode;
}
