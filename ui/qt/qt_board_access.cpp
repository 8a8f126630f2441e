// Qt's accessibility interfaces for the board: the widget is a table, its cells are objects of their own that
// say what they hold and press like a mouse release at their centre.
#include "ui/qt/qt_board_access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <array>

#include "ui/app.h"
#include "ui/board_narrator.h"
#include "ui/board_words.h"
#include "ui/qt/qt_toolkit.h"

namespace zandor {

namespace {

QString Say(const std::string& text) { return QString::fromStdString(text); }

class CellAccessible;

class BoardAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit BoardAccessible(PicMain* board) : QAccessibleWidget(board, QAccessible::Table) {}
  ~BoardAccessible() override;

  PicMain* board() const { return static_cast<PicMain*>(widget()); }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return Say(words::BoardName());
    if (t == QAccessible::Description && board()->app()) return Say(board()->app()->narrator().Description());
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return 9; }
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override {
    return board()->hasFocus() ? child(board()->cursor()) : nullptr;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = board()->mapFromGlobal(QPoint(x, y));
    const int cell = CellAtPixel(static_cast<float>(at.x()), static_cast<float>(at.y()));
    return cell < 0 ? nullptr : child(cell);
  }

  // The table: three rows of three, the keyboard's cell selected, no headers.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    return row >= 0 && row < 3 && column >= 0 && column < 3 ? child(row * 3 + column) : nullptr;
  }
  int selectedCellCount() const override { return 1; }
  QList<QAccessibleInterface*> selectedCells() const override { return {child(board()->cursor())}; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return 3; }
  int rowCount() const override { return 3; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  mutable std::array<QAccessible::Id, 9> cells_{};
};

class CellAccessible final : public QAccessibleInterface,
                             public QAccessibleTableCellInterface,
                             public QAccessibleActionInterface {
 public:
  CellAccessible(PicMain* board, int index) : board_(board), index_(index) {}

  bool isValid() const override { return !board_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && board_ && board_->app() ? Say(board_->app()->narrator().CellName(index_)) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!board_) return {};
    const QPoint topLeft = board_->mapToGlobal(QPoint(index_ % 3 * 100, index_ / 3 * 100));
    return QRect(topLeft, QSize(100, 100));
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = !board_ || !board_->isVisible();
    if (!board_) return s;
    s.focusable = s.selectable = true;
    s.selected = board_->cursor() == index_;
    s.focused = s.selected && board_->hasFocus();
    // A cell that holds a mark is checked, as a box is: the one state Qt tells every platform of when it changes.
    s.checked = board_->app() && board_->app()->narrator().Marked(index_);
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    // Run from the event loop, as a release would be: the caller gets its answer before any pause of the game.
    if (name == pressAction() && board_)
      QMetaObject::invokeMethod(board_.data(), [board = board_, cell = index_] {
        if (board) board->PressCell(cell);
      }, Qt::QueuedConnection);
  }
  // Our own words, so a translated window never shows Qt's English "Press".
  QString localizedActionName(const QString& name) const override {
    return name == pressAction() ? Say(words::Press()) : QAccessibleActionInterface::localizedActionName(name);
  }
  QString localizedActionDescription(const QString& name) const override { return localizedActionName(name); }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  bool isSelected() const override { return board_ && board_->cursor() == index_; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return index_ % 3; }
  int rowIndex() const override { return index_ / 3; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<PicMain> board_;
  int index_;
};

BoardAccessible::~BoardAccessible() {
  for (QAccessible::Id id : cells_)
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* BoardAccessible::child(int index) const {
  if (index < 0 || index >= 9) return nullptr;
  QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
  // Made on first request and kept, so a cell is the same object to assistive technology all along.
  if (id == 0) id = QAccessible::registerAccessibleInterface(new CellAccessible(board(), index));
  return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (int i = 0; i < 9; ++i)
    if (cells_[static_cast<std::size_t>(i)] != 0 && QAccessible::accessibleInterface(cells_[static_cast<std::size_t>(i)]) == child)
      return i;
  return -1;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// What Orca and other screen readers speak without the focus on a Qt without announcement events: a
// notification that shows once per announcement, named by its text. It never paints.
class Announcer final : public QWidget {
 public:
  explicit Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName("announcer");
    setFixedSize(0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
  }
  void Say(const QString& text) {
    hide();
    text_ = text;
    show();
  }
  const QString& text() const { return text_; }

 private:
  QString text_;
};

class AnnouncerAccessible final : public QAccessibleWidget {
 public:
  explicit AnnouncerAccessible(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? static_cast<Announcer*>(widget())->text() : QString();
  }
};
#endif

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("zandor::PicMain") && object && object->isWidgetType())
    return new BoardAccessible(static_cast<PicMain*>(object));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  if (className == QLatin1String("QWidget") && object && object->objectName() == QLatin1String("announcer"))
    return new AnnouncerAccessible(static_cast<Announcer*>(object));
#endif
  return nullptr;
}

}  // namespace

void InstallBoardAccess() {
  static const bool installed = (QAccessible::installFactory(BoardFactory), true);
  (void)installed;
}

void AnnounceBoard(PicMain* board, unsigned changedCells, const QString& text) {
  // Nothing is built or sent while no assistive technology listens.
  const bool descriptionChanged = !text.isEmpty();
  if (!QAccessible::isActive() || (changedCells == 0 && !descriptionChanged)) return;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(board);
  if (table == nullptr) return;
  for (int i = 0; i < 9; ++i) {
    if ((changedCells & (1u << i)) == 0) continue;
    QAccessibleEvent named(table->child(i), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    // Screen readers keep the states they have seen and learn of a change only from its event.
    QAccessible::State marked;
    marked.checked = true;
    QAccessibleStateChangeEvent checked(table->child(i), marked);
    QAccessible::updateAccessibility(&checked);
  }
  if (descriptionChanged) {
    QAccessibleEvent described(board, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent said(board, text);
    QAccessible::updateAccessibility(&said);
#else
    // Made beside the board the first time there is something to say; a plain widget, so found by its name.
    auto* announcer = static_cast<Announcer*>(
        board->parentWidget()->findChild<QWidget*>(QStringLiteral("announcer"), Qt::FindDirectChildrenOnly));
    if (announcer == nullptr) announcer = new Announcer(board->parentWidget());
    announcer->Say(text);
#endif
  }
}

void FocusCell(PicMain* board) {
  if (!QAccessible::isActive() || !board->hasFocus()) return;
  QAccessibleEvent focus(board, QAccessible::Focus);
  focus.setChild(board->cursor());
  QAccessible::updateAccessibility(&focus);
}

}  // namespace zandor
