#include "app/qt/form_xom.h"

#include "app/qt/file_dialogs.h"
#include "app/qt/grid_model.h"
#include "app/qt/grid_view.h"
#include "app/qt/picture_view.h"
#include "app/qt/qt_text.h"
#include "app/qt/status_bar.h"
#include "app/qt/text_view.h"
#include "app/qt/tree_model.h"
#include "app/qt/tree_view.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace brindle::qt {
TFormXom::TFormXom(QWidget* parent) : QWidget(parent), snapBack_(new QTimer(this)) {
    BuildControls();
    snapBack_->setSingleShot(true);
    snapBack_->setInterval(kSnapBackMilliseconds);
    connect(snapBack_, &QTimer::timeout, this, [this] { SnapBack(); });
    connect(controls_.checkBox1, &QCheckBox::toggled, this,
            [this](bool checked) { StoredWindow::SetPreviewChecked(checked); });
    connect(controls_.treeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { OnViewCurrentChanged(); });
    setWindowTitle(FromNative(Caption()));
    controls_.richEdit1->SetText(Text());
    controls_.richEdit1->SetFormat(TextDefaultFormat());
}

TFormXom::~TFormXom() {
    // The widgets read the stored contents, which go before QWidget's
    // destructor would take the widgets down.
    qDeleteAll(findChildren<QObject*>(Qt::FindDirectChildrenOnly));
}

void TFormXom::Changed(Change change) {
    const Controls& c = controls_;
    switch (change) {
    case Change::Caption:
        setWindowTitle(FromNative(Caption()));
        return;
    case Change::Text:
        // The view reads the stored text in place, so it must hear of a new
        // text before anything can paint.
        c.richEdit1->SetText(Text());
        return;
    case Change::TextVisible:
        c.richEdit1->setVisible(TextVisible());
        return;
    case Change::TextFormat:
        c.richEdit1->SetFormat(TextDefaultFormat());
        return;
    case Change::Preview:
        if (c.checkBox1->isChecked() != StoredWindow::PreviewChecked())
            c.checkBox1->setChecked(StoredWindow::PreviewChecked());
        return;
    case Change::SaveImageEnabled:
        c.button3->setEnabled(StoredWindow::SaveImageEnabled());
        return;
    case Change::Selection:
        if (!syncingFromView_)
            SyncSelectionToView();
        return;
    case Change::Tree:
    case Change::TreeChildAdded:
    case Change::Grid:
    case Change::Picture:
    case Change::ImagePosition:
    case Change::Status:
        dirty_[static_cast<size_t>(change)] = true;
        ScheduleFlush();
        return;
    }
}

void TFormXom::ScheduleFlush() {
    if (flushScheduled_)
        return;
    flushScheduled_ = true;
    QTimer::singleShot(0, this, [this] { Flush(); });
}

void TFormXom::Flush() {
    flushScheduled_ = false;
    auto take = [this](Change change) {
        return std::exchange(dirty_[static_cast<size_t>(change)], false);
    };
    bool tree = take(Change::Tree);
    if (take(Change::TreeChildAdded) || tree)
        treeModel_->Publish();
    if (take(Change::Grid))
        gridModel_->Publish();
    if (take(Change::Status))
        SyncStatusPanels();
    bool picture = take(Change::Picture);
    if (take(Change::ImagePosition) || picture)
        SyncPicture();
}

void TFormXom::RepaintNow() {
    if (lastPaint_.isValid() && lastPaint_.elapsed() < kFrameMilliseconds)
        return;
    Flush();
    // Paint what is pending, but leave the user's input queued until the
    // command is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    lastPaint_.restart();
}

void TFormXom::TreeClear() {
    treeModel_->BeginClear();
    StoredWindow::TreeClear();
    treeModel_->EndClear();
}

void TFormXom::GridClear() {
    gridModel_->BeginClear();
    StoredWindow::GridClear();
    gridModel_->EndClear();
}

void TFormXom::SyncSelectionToView() {
    treeModel_->Publish();
    QModelIndex index;
    if (std::optional<NodeRef> node = TreeSelected())
        index = treeModel_->IndexOf(*node);
    QItemSelectionModel* selection = controls_.treeView1->selectionModel();
    syncingToView_ = true;
    if (index.isValid())
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    else
        selection->clear();
    syncingToView_ = false;
}

void TFormXom::OnViewCurrentChanged() {
    if (syncingToView_)
        return;
    std::optional<NodeRef> node =
        treeModel_->NodeOf(controls_.treeView1->selectionModel()->currentIndex());
    syncingFromView_ = true;
    StoredWindow::SelectNode(node);
    syncingFromView_ = false;
    // A selection that went away (the tree was cleared) is no change to show.
    if (node && selectionHandler_)
        selectionHandler_();
}

void TFormXom::SyncStatusPanels() {
    StatusBar& bar = *controls_.statusBar1;
    while (bar.PanelCount() < StatusPanelCount())
        bar.AddPanel(StatusPanelWidth(bar.PanelCount()));
    for (int panel = 0; panel < StatusPanelCount(); ++panel)
        bar.SetPanel(panel, StatusPanelWidth(panel), FromCp1252(StatusText(panel)));
}

void TFormXom::SyncPicture() {
    const Controls& c = controls_;
    c.image1->Show(Image());
    Point place = ImagePosition();
    c.image1->move(place.left, place.top);
    // The scroll box scrolls as far as the picture reaches.
    c.scrollBoxContent->resize(std::max(0, place.left + Image().Width()),
                               std::max(0, place.top + Image().Height()));
}

Size TFormXom::ScrollBoxSize() const {
    QSize size = controls_.scrollBox1->size();
    return Size{size.width(), size.height()};
}

bool TFormXom::PreviewChecked() const {
    return controls_.checkBox1->isChecked();
}

bool TFormXom::SaveImageEnabled() const {
    return controls_.button3->isEnabledTo(const_cast<TFormXom*>(this));
}

void TFormXom::DialogSetFileName(FileDialog dialog, std::string_view name) {
    StoredWindow::DialogSetFileName(dialog, name);
    dialogNameNative_[DialogSlot(dialog)] = false;
}

QString TFormXom::ProposedName(FileDialog dialog) const {
    std::string name = DialogFileName(dialog);
    return dialogNameNative_[DialogSlot(dialog)] ? FromNative(name) : FromCp1252(name);
}

void TFormXom::AnswerNextDialog(std::optional<std::string> path) {
    dialogAnswers_.push_back(std::move(path));
}

bool TFormXom::DialogExecute(FileDialog dialog) {
    shownDialogs_.push_back(ShownDialog{dialog, DialogFileName(dialog)});
    std::optional<std::string> chosen;
    if (!dialogAnswers_.empty()) {
        chosen = std::move(dialogAnswers_.front());
        dialogAnswers_.pop_front();
    } else if (!dialogsFromQueueOnly_) {
        Flush();
        if (std::optional<QString> path = RunFileDialog(this, dialog, ProposedName(dialog)))
            chosen = ToNativePath(*path);
    }
    if (!chosen)
        return false;
    StoredWindow::DialogSetFileName(dialog, *chosen);
    dialogNameNative_[DialogSlot(dialog)] = true;
    return true;
}

void TFormXom::ShowCentred() {
    const QScreen* desktop = screen() ? screen() : QGuiApplication::primaryScreen();
    if (desktop)
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        desktop->availableGeometry()));
    show();
}

bool TFormXom::HoldsFormSize() const {
    const Qt::WindowStates free = Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized;
    return isWindow() && !(windowState() & free);
}

void TFormXom::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
    // The border is fixed: a size the user dragged to is taken back once the
    // dragging stops, while a maximised window keeps the room it was given.
    // A window manager that refuses the form size is not fought.
    if (event->spontaneous() && HoldsFormSize() && size() != kClientSize && size() != refusedSize_)
        snapBack_->start();
}

void TFormXom::SnapBack() {
    if (!HoldsFormSize() || size() == kClientSize)
        return;
    refusedSize_ = size();
    resize(kClientSize);
}

} // namespace brindle::qt
