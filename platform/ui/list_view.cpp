#include "platform/ui/list_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>

#include "platform/ui/handler_call.h"
#include "platform/ui/list_index_error.h"
#include "platform/ui/text.h"

namespace ui {

namespace {

QTableWidget* Table(const Control* control) { return static_cast<QTableWidget*>(control->Widget()); }

}  // namespace

// Reports mouse moves over the rows area.
class ListViewWatcher : public QObject {
public:
    explicit ListViewWatcher(ListView* view) : QObject(view->Widget()), view_(view) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove && view_->Alive()) {
            QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            view_->MouseMoved(at.x(), at.y());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    ListView* view_;
};

int ListItem::Index() const {
    const auto& items = view_->items_;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].get() == this) return static_cast<int>(i);
    }
    return -1;
}

void ListItem::SetCaption(const std::string& caption) {
    cells_[0] = caption;
    CellsChanged();
}

const std::string& ListItem::SubItem(int index) const {
    if (index < 0 || index >= SubItemCount()) ThrowListIndexError(index);
    return cells_[static_cast<size_t>(index) + 1];
}

void ListItem::AddSubItem(const std::string& text) {
    cells_.push_back(text);
    CellsChanged();
}

void ListItem::SetSubItem(int index, const std::string& text) {
    if (index < 0 || index >= SubItemCount()) ThrowListIndexError(index);
    cells_[static_cast<size_t>(index) + 1] = text;
    CellsChanged();
}

void ListItem::ClearSubItems() {
    cells_.resize(1);
    CellsChanged();
}

bool ListItem::Selected() const { return view_->selected_ == this; }

void ListItem::SetSelected(bool selected) {
    if (selected) {
        view_->SetSelected(this);
    } else if (Selected()) {
        view_->SetSelected(nullptr);
    }
}

void ListItem::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    CellsChanged();
}

void ListItem::CellsChanged() {
    view_->ShowItem(this);
    view_->Changed(this);
}

ListView::ListView(Control* parent) : Control(parent, parent, new QTableWidget) {
    QTableWidget* table = Table(this);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->horizontalHeader()->setMinimumSectionSize(0);  // zero-width columns stay hidden
    table->horizontalHeader()->setHighlightSections(false);
    table->verticalHeader()->setResizeContentsPrecision(-1);
    table->horizontalHeader()->setResizeContentsPrecision(-1);
    table->setWordWrap(false);
    table->setShowGrid(false);
    table->setMouseTracking(true);
    table->viewport()->installEventFilter(new ListViewWatcher(this));
    QObject::connect(table, &QTableWidget::itemSelectionChanged, [this] { SelectionChanged(); });
    QObject::connect(table, &QTableWidget::cellClicked, [this] { Notify(OnClick, this); });
    QObject::connect(table, &QTableWidget::cellDoubleClicked, [this] { Notify(OnDblClick, this); });
    QObject::connect(table, &QTableWidget::cellChanged, [this](int row, int column) { CheckToggled(row, column); });
}

ListView::~ListView() { removing_ = true; }

int ListView::ColumnCount() const { return Table(this)->columnCount(); }

void ListView::AddColumn(const std::string& caption, int width) {
    QTableWidget* table = Table(this);
    int column = table->columnCount();
    table->setColumnCount(column + 1);
    table->setHorizontalHeaderItem(column, new QTableWidgetItem(ToQt(caption)));
    fitted_.push_back(width == kColumnFitCaption);
    if (!fitted_.back()) table->setColumnWidth(column, width);
    for (const auto& item : items_) ShowItem(item.get());
    FitColumns();
}

void ListView::ClearColumns() {
    Table(this)->setColumnCount(0);
    fitted_.clear();
}

std::string ListView::ColumnCaption(int index) const {
    if (index < 0 || index >= ColumnCount()) ThrowListIndexError(index);
    return FromQt(Table(this)->horizontalHeaderItem(index)->text());
}

int ListView::ColumnWidth(int index) const {
    if (index < 0 || index >= ColumnCount()) ThrowListIndexError(index);
    return Table(this)->columnWidth(index);
}

void ListView::SetColumnWidth(int index, int width) {
    if (index < 0 || index >= ColumnCount()) ThrowListIndexError(index);
    fitted_[static_cast<size_t>(index)] = false;
    Table(this)->setColumnWidth(index, width);
}

ListItem* ListView::Item(int index) const {
    if (index < 0 || index >= ItemCount()) ThrowListIndexError(index);
    return items_[static_cast<size_t>(index)].get();
}

ListItem* ListView::AddItem() {
    items_.push_back(std::unique_ptr<ListItem>(new ListItem(this)));
    ListItem* item = items_.back().get();
    Table(this)->setRowCount(ItemCount());
    ShowItem(item);
    Changed(item);
    return item;
}

void ListView::DeleteItem(int index) {
    if (index < 0 || index >= ItemCount()) ThrowListIndexError(index);
    if (selected_ == items_[static_cast<size_t>(index)].get()) selected_ = nullptr;
    removing_ = true;
    Table(this)->removeRow(index);
    removing_ = false;
    items_.erase(items_.begin() + index);
    FitColumns();
    Changed(nullptr);
}

void ListView::ClearItems() {
    selected_ = nullptr;
    removing_ = true;
    Table(this)->clearSelection();
    Table(this)->setRowCount(0);
    removing_ = false;
    items_.clear();
    FitColumns();
    Changed(nullptr);
}

void ListView::SetSelected(ListItem* item) {
    QTableWidget* table = Table(this);
    if (item == nullptr) {
        table->clearSelection();
        return;
    }
    table->selectRow(item->Index());
}

ListItem* ListView::ItemAt(int x, int y) const {
    int row = Table(this)->rowAt(y);
    if (row < 0 || x < 0 || x >= Table(this)->viewport()->width()) return nullptr;
    return items_[static_cast<size_t>(row)].get();
}

void ListView::SetGridLines(bool gridLines) {
    Table(this)->setShowGrid(gridLines);
    FitColumns();  // a grid line takes a pixel of each column
}

void ListView::SetCheckBoxes(bool checkBoxes) {
    checkBoxes_ = checkBoxes;
    for (const auto& item : items_) ShowItem(item.get());
}

// A check box the user ticked: the row takes its state.
void ListView::CheckToggled(int row, int column) {
    if (showing_ || !checkBoxes_ || column != 0 || row < 0 || row >= ItemCount()) return;
    QTableWidgetItem* shown = Table(this)->item(row, 0);
    ListItem* item = items_[static_cast<size_t>(row)].get();
    const bool checked = shown != nullptr && shown->checkState() == Qt::Checked;
    if (checked == item->checked_) return;
    item->checked_ = checked;
    Changed(item);
}

void ListView::SetHideSelection(bool hide) {
    QPalette palette = Widget()->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role,
                         hide ? palette.color(QPalette::Inactive, QPalette::Base)
                              : palette.color(QPalette::Active, role));
    }
    Widget()->setPalette(palette);
}

void ListView::ShowItem(const ListItem* item) {
    QTableWidget* table = Table(this);
    int row = item->Index();
    int columns = table->columnCount();
    showing_ = true;
    for (int column = 0; column < columns; ++column) {
        size_t cell = static_cast<size_t>(column);
        QString text = cell < item->cells_.size() ? ToQt(item->cells_[cell]) : QString();
        QTableWidgetItem* shown = table->item(row, column);
        if (shown == nullptr) {
            shown = new QTableWidgetItem;
            table->setItem(row, column, shown);
        }
        shown->setText(text);
        if (column == 0 && checkBoxes_) {
            shown->setFlags(shown->flags() | Qt::ItemIsUserCheckable);
            shown->setCheckState(item->checked_ ? Qt::Checked : Qt::Unchecked);
        }
    }
    showing_ = false;
    FitRow(row);
}

// Qt measures the caption and every row (the headers' precision is -1).
void ListView::FitColumns() {
    QTableWidget* table = Table(this);
    for (size_t column = 0; column < fitted_.size(); ++column)
        if (fitted_[column]) table->resizeColumnToContents(static_cast<int>(column));
}

// Widens the fitted columns for one row's cells, as Qt's own fit would.
void ListView::FitRow(int row) {
    QTableWidget* table = Table(this);
    for (size_t index = 0; index < fitted_.size(); ++index) {
        if (!fitted_[index]) continue;
        int column = static_cast<int>(index);
        int needed = table->sizeHintForIndex(table->model()->index(row, column)).width() + (table->showGrid() ? 1 : 0);
        if (needed > table->columnWidth(column)) table->setColumnWidth(column, needed);
    }
}

void ListView::SelectionChanged() {
    if (removing_) return;
    QList<QTableWidgetSelectionRange> ranges = Table(this)->selectedRanges();
    ListItem* now = nullptr;
    if (!ranges.isEmpty() && ranges.first().topRow() < ItemCount()) {
        now = items_[static_cast<size_t>(ranges.first().topRow())].get();
    }
    if (now == selected_) return;
    ListItem* before = selected_;
    selected_ = now;
    auto handler = OnSelectItem;
    if (before != nullptr) {
        if (handler) CallHandler([&] { handler(this, before, false); });
        Changed(before);
    }
    if (now != nullptr && selected_ == now) {
        if (handler) CallHandler([&] { handler(this, now, true); });
        if (selected_ == now) Changed(now);
    }
}

void ListView::Changed(ListItem* item) {
    if (!OnChange) return;
    auto handler = OnChange;
    CallHandler([&] { handler(this, item); });
}

void ListView::MouseMoved(int x, int y) {
    if (!OnMouseMove) return;
    auto handler = OnMouseMove;
    CallHandler([&] { handler(this, x, y); });
}

}  // namespace ui
