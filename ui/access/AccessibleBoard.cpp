// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/access/AccessibleBoard.h"

#include "model/Game.h"
#include "play/GameController.h"
#include "ui/PuzzleGrid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QWindow>
#include <map>
#include <utility>

// A cell's name, in the Board context: the colour of its box.
const std::array<const char*, 8> ColorWords = {
    //: A cell without a box
    QT_TRANSLATE_NOOP("Board", "empty"),
    //: The colour of a box (a cell's name)
    QT_TRANSLATE_NOOP("Board", "red"),
    //: The colour of a box (a cell's name)
    QT_TRANSLATE_NOOP("Board", "light green"),
    //: The colour of a box (a cell's name)
    QT_TRANSLATE_NOOP("Board", "blue"),
    //: The colour of a box (a cell's name)
    QT_TRANSLATE_NOOP("Board", "dark green"),
    //: The colour of a box (a cell's name): blue-green
    QT_TRANSLATE_NOOP("Board", "teal"),
    //: The colour of a box (a cell's name)
    QT_TRANSLATE_NOOP("Board", "yellow"),
    //: The colour of a box (a cell's name): light blue-green
    QT_TRANSLATE_NOOP("Board", "cyan")};

namespace {

// The board the grid shows, or none while there is no game; through the grid's interface,
// which was handed its controller.
const TGameMap* MapOf(const TPuzzleGrid* Grid);

QString CellName(const TGameMap* Map, int X, int Y) {
  if (!Map || !Map->Contains(X, Y))
    return {};
  const std::uint8_t Color = Map->GetColor(X, Y);
  return QCoreApplication::translate("Board", ColorWords[Color < ColorWords.size() ? Color : 0]);
}

QString CellDescription(const TGameMap* Map, int X, int Y) {
  if (!Map || !Map->Contains(X, Y))
    return {};
  const int Size = Map->GroupSize(X, Y);
  if (Size == 0)
    //: An empty cell
    return QCoreApplication::translate("Board", "Cannot be played");
  if (Size == 1)
    //: A box with no neighbour of its colour
    return QCoreApplication::translate("Board", "Cannot be played, a single box");
  //: A box whose group would go if played; always two or more boxes
  return QCoreApplication::translate("Board", "Can be played, a group of %n boxes", nullptr, Size);
}

// One cell; it reads the board whenever asked, so only a change of size can outdate it.
class TAccessibleCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
  TAccessibleCell(TPuzzleGrid* Grid, int ACol, int ARow) : FGrid(Grid), FCol(ACol), FRow(ARow) {}

  bool isValid() const override {
    return FGrid && FCol < FGrid->ColCount() && FRow < FGrid->RowCount();
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return FGrid ? FGrid->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(FGrid.data());
  }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::Cell; }

  QString text(QAccessible::Text Kind) const override {
    if (Kind == QAccessible::Name)
      return CellName(MapOf(FGrid), FCol, FRow);
    if (Kind == QAccessible::Description)
      return CellDescription(MapOf(FGrid), FCol, FRow);
    return {};
  }

  QRect rect() const override {
    if (!FGrid)
      return {};
    const QRect Local = FGrid->CellRect(FCol, FRow).translated(TPuzzleGrid::ClientOrigin());
    return {FGrid->mapToGlobal(Local.topLeft()), Local.size()};
  }

  QAccessible::State state() const override {
    QAccessible::State State;
    if (!FGrid || !FGrid->isVisible()) {
      State.invisible = true;
      return State;
    }
    State.focusable = true;
    State.selectable = true;
    State.selected = isSelected();
    State.focused = State.selected && FGrid->hasFocus();
    return State;
  }

  void* interface_cast(QAccessible::InterfaceType Type) override {
    return Type == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
  }

  bool isSelected() const override { return FGrid && FGrid->Col() == FCol && FGrid->Row() == FRow; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return FCol; }
  int rowIndex() const override { return FRow; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

private:
  QPointer<TPuzzleGrid> FGrid;
  int FCol;
  int FRow;
};

// The grid as a table of cells. The current cell is its selection and, while the board has
// the keyboard, its focus.
class TAccessibleBoard : public QAccessibleWidget, public QAccessibleTableInterface {
public:
  explicit TAccessibleBoard(TPuzzleGrid* Grid)
      : QAccessibleWidget(Grid, QAccessible::Table),
        FSignalledSize(Grid->ColCount(), Grid->RowCount()) {}

  ~TAccessibleBoard() override {
    for (const auto& [Place, Id] : FCells)
      QAccessible::deleteAccessibleInterface(Id);
  }

  void* interface_cast(QAccessible::InterfaceType Type) override {
    if (Type == QAccessible::TableInterface)
      return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(Type);
  }

  // The controller whose game the board shows; until it is handed over, cells have no names.
  void ShowGame(const TGameController* Controller) { FController = Controller; }
  const TGameController* Controller() const { return FController; }

  // The status text already sums the board up: boxes and groups left.
  QString text(QAccessible::Text Kind) const override {
    if (Kind == QAccessible::Description && QAccessibleWidget::text(Kind).isEmpty() && FController)
      return FController->StatusText();
    return QAccessibleWidget::text(Kind);
  }

  int childCount() const override { return Grid()->ColCount() * Grid()->RowCount(); }
  QAccessibleInterface* child(int Index) const override {
    if (Index < 0 || Index >= childCount())
      return nullptr;
    return cellAt(Index / Grid()->ColCount(), Index % Grid()->ColCount());
  }
  int indexOfChild(const QAccessibleInterface* Child) const override {
    if (!Child || Child->role() != QAccessible::Cell || Child->parent() != this)
      return -1;
    auto* Cell = const_cast<QAccessibleInterface*>(Child)->tableCellInterface();
    return Cell ? Cell->rowIndex() * Grid()->ColCount() + Cell->columnIndex() : -1;
  }
  QAccessibleInterface* childAt(int X, int Y) const override {
    const QPoint Client = Grid()->mapFromGlobal(QPoint(X, Y)) - TPuzzleGrid::ClientOrigin();
    int ACol = -1, ARow = -1;
    Grid()->MouseToCell(Client.x(), Client.y(), ACol, ARow);
    return ACol < 0 ? nullptr : cellAt(ARow, ACol);
  }
  QAccessibleInterface* focusChild() const override {
    return Grid()->hasFocus() ? CurrentCell() : nullptr;
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int Row, int Column) const override {
    if (Row < 0 || Row >= rowCount() || Column < 0 || Column >= columnCount())
      return nullptr;
    QAccessible::Id& Id = FCells[{Column, Row}];
    if (Id == 0)
      Id = QAccessible::registerAccessibleInterface(new TAccessibleCell(Grid(), Column, Row));
    return QAccessible::accessibleInterface(Id);
  }
  int selectedCellCount() const override { return 1; }
  QList<QAccessibleInterface*> selectedCells() const override { return {CurrentCell()}; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return Grid()->ColCount(); }
  int rowCount() const override { return Grid()->RowCount(); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  // The selection is the current cell alone; the pointer and the keys move it.
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  // Cells are kept by place and check it against the size; those a smaller board no longer
  // has are dropped when the board signals the change (TakeResize).
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

  // Whether the size changed since the last call. Cells that no longer exist are dropped:
  // a screen reader still holding one then learns that it is gone, rather than asking an
  // invalid cell again and again.
  bool TakeResize() {
    const std::pair Size(Grid()->ColCount(), Grid()->RowCount());
    if (std::exchange(FSignalledSize, Size) == Size)
      return false;
    for (auto Cell = FCells.begin(); Cell != FCells.end();) {
      if (Cell->first.first < Size.first && Cell->first.second < Size.second) {
        ++Cell;
        continue;
      }
      if (Cell->second != 0)
        QAccessible::deleteAccessibleInterface(Cell->second);
      Cell = FCells.erase(Cell);
    }
    return true;
  }

private:
  TPuzzleGrid* Grid() const { return static_cast<TPuzzleGrid*>(widget()); }
  QAccessibleInterface* CurrentCell() const { return cellAt(Grid()->Row(), Grid()->Col()); }

  mutable std::map<std::pair<int, int>, QAccessible::Id> FCells; // by (column, row)
  std::pair<int, int> FSignalledSize;
  const TGameController* FController = nullptr;
};

TAccessibleBoard* BoardOf(const TPuzzleGrid* Grid) {
  return dynamic_cast<TAccessibleBoard*>(
      QAccessible::queryAccessibleInterface(const_cast<TPuzzleGrid*>(Grid)));
}

const TGameMap* MapOf(const TPuzzleGrid* Grid) {
  const TAccessibleBoard* Board = Grid ? BoardOf(Grid) : nullptr;
  const TGame* Game = Board && Board->Controller() ? Board->Controller()->CurrentGame() : nullptr;
  return Game ? &Game->CurrentMap() : nullptr;
}

} // namespace

QAccessibleInterface* BoardAccessibleFactory(const QString& ClassName, QObject* Object) {
  if (ClassName == QLatin1String("TPuzzleGrid") && Object && Object->isWidgetType())
    return new TAccessibleBoard(static_cast<TPuzzleGrid*>(Object));
  return nullptr;
}

void SignalCurrentCell(TPuzzleGrid& Grid) {
  if (!QAccessible::isActive() || !Grid.hasFocus())
    return;
  QAccessibleEvent Focus(&Grid, QAccessible::Focus);
  Focus.setChild(Grid.Row() * Grid.ColCount() + Grid.Col());
  QAccessible::updateAccessibility(&Focus);
}

void SignalBoardChanged(TPuzzleGrid& Grid) {
  if (!QAccessible::isActive())
    return;
  auto* Board = dynamic_cast<TAccessibleBoard*>(QAccessible::queryAccessibleInterface(&Grid));
  if (!Board)
    return;
  const bool Resized = Board->TakeResize();
  QAccessibleTableModelChangeEvent Changed(&Grid,
                                           Resized ? QAccessibleTableModelChangeEvent::ModelReset
                                                   : QAccessibleTableModelChangeEvent::DataChanged);
  if (!Resized) {
    Changed.setFirstRow(0);
    Changed.setFirstColumn(0);
    Changed.setLastRow(Grid.RowCount() - 1);
    Changed.setLastColumn(Grid.ColCount() - 1);
  }
  QAccessible::updateAccessibility(&Changed);
  // The table event stays inside Qt 6.4 on the desktop bus; the new summary reaches it.
  QAccessibleEvent Summary(&Grid, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&Summary);
  // The screen reader may sit on a cell that has gone; the current one is a live cell.
  if (Resized)
    SignalCurrentCell(Grid);
}

void ShowGameOn(TPuzzleGrid& Grid, const TGameController& Controller) {
  TAccessibleBoard* Board = BoardOf(&Grid);
  if (!Board)
    return;
  Board->ShowGame(&Controller);
  QObject::connect(&Controller, &QObject::destroyed, &Grid, [Grid = &Grid] {
    if (TAccessibleBoard* Shown = BoardOf(Grid))
      Shown->ShowGame(nullptr);
  });
}

QString SpokenCell(const TPuzzleGrid& Grid) {
  const TGameMap* Map = MapOf(&Grid);
  return QCoreApplication::translate("Board", "Row %1, column %2: %3. %4.")
      .arg(Grid.Row() + 1)
      .arg(Grid.Col() + 1)
      .arg(CellName(Map, Grid.Col(), Grid.Row()), CellDescription(Map, Grid.Col(), Grid.Row()));
}

void SignalFocusEntered(TPuzzleGrid& Grid) {
  if (!QAccessible::isActive())
    return;
  QMetaObject::invokeMethod(
      &Grid, [&Grid] { SignalCurrentCell(Grid); }, Qt::QueuedConnection);
}
