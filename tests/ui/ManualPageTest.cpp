// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page and --help must name every shortcut the window's menu knows, so that a
// shortcut added to the menu without a line in both fails here.

#include "tests/ui/GameWindow.h"
#include "ui/Main.h"
#include "ui/desktop/CommandLine.h"

#include <QFile>
#include <QKeySequence>
#include <gtest/gtest.h>

namespace {

// The page's spelling of a menu shortcut: "Ctrl+N", "F10". Empty for a key this
// conversion does not know yet, which fails the test below until it learns it.
QString ShortCutText(int ShortCut) {
  const int VirtualKey = ShortCut & ~(scShift | scCtrl | scAlt);
  int Key = 0;
  if ((VirtualKey >= 'A' && VirtualKey <= 'Z') || (VirtualKey >= '0' && VirtualKey <= '9'))
    Key = VirtualKey;
  else if (VirtualKey >= vkF1 && VirtualKey < vkF1 + 12)
    Key = Qt::Key_F1 + (VirtualKey - vkF1);
  if (Key == 0)
    return {};
  Qt::KeyboardModifiers Modifiers;
  Modifiers.setFlag(Qt::ShiftModifier, (ShortCut & scShift) != 0);
  Modifiers.setFlag(Qt::ControlModifier, (ShortCut & scCtrl) != 0);
  Modifiers.setFlag(Qt::AltModifier, (ShortCut & scAlt) != 0);
  return QKeySequence(QKeyCombination(Modifiers, Qt::Key(Key)))
      .toString(QKeySequence::PortableText);
}

void CollectShortCuts(const TMenuItem& Item, std::vector<const TMenuItem*>& Found) {
  if (Item.ShortCut() != 0)
    Found.push_back(&Item);
  for (int Index = 0; Index < Item.Count(); ++Index)
    CollectShortCuts(*Item.Item(Index), Found);
}

} // namespace

TEST(ManualPage, NamesEveryShortcutOfTheMenu) {
  QFile Page(QStringLiteral(QUENLITH_MANUAL_PAGE_SOURCE));
  ASSERT_TRUE(Page.open(QIODevice::ReadOnly | QIODevice::Text)) << QUENLITH_MANUAL_PAGE_SOURCE;
  const QString Text = QString::fromUtf8(Page.readAll());

  TGameWindow Window;
  TMainForm& Form = Window.Form;
  std::vector<const TMenuItem*> Items;
  CollectShortCuts(Form.MainMenu1.Items(), Items);
  ASSERT_FALSE(Items.empty());
  for (const TMenuItem* Item : Items) {
    const QString Key = ShortCutText(Item->ShortCut());
    ASSERT_FALSE(Key.isEmpty()) << Item->Name().toStdString() << ": unknown key "
                                << Item->ShortCut();
    EXPECT_TRUE(Text.contains(Key))
        << Item->Name().toStdString() << " (" << Key.toStdString() << ") is not in the page";
    EXPECT_TRUE(KeysHelpText().contains(Key))
        << Item->Name().toStdString() << " (" << Key.toStdString() << ") is not in --help";
  }
}
