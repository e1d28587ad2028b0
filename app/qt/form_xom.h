#pragma once
// FormXom, the one window. Its contents live in the StoredWindow base as
// plain data, exactly as the headless window keeps them; the widgets follow
// those contents. Cheap changes reach the widgets at once; rows of the tree
// and the grid, the status texts and the picture reach them at Flush(),
// which runs at most once a frame during a long command (RepaintNow), after
// every handler, and whenever control returns to the event loop.

#include "app/stored_window.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QFrame;
class QPushButton;
class QScrollArea;
class QTimer;

namespace brindle::qt {

class GridModel;
class GridView;
class PictureView;
class Splitter;
class StatusBar;
class TextView;
class TreeModel;
class TreeView;

class TFormXom : public QWidget, public StoredWindow {
public:
    static constexpr QSize kClientSize{433, 428};
    static constexpr int kPanel2Width = 198;
    static constexpr int kGridHeight = 184;
    static constexpr QSize kScrollBoxSize{201, 177};
    // Coalesced repaints come no closer together than this.
    static constexpr qint64 kFrameMilliseconds = 16;
    // A size the user drags to is taken back this long after the last move.
    static constexpr int kSnapBackMilliseconds = 250;

    struct Controls {
        QPushButton* button1 = nullptr;
        QCheckBox* checkBox1 = nullptr;
        QPushButton* button3 = nullptr;
        QPushButton* button2 = nullptr;
        QFrame* panel1 = nullptr;
        TreeView* treeView1 = nullptr;
        Splitter* splitter1 = nullptr;
        QFrame* panel2 = nullptr;
        GridView* valueListEditor1 = nullptr;
        TextView* richEdit1 = nullptr;
        QScrollArea* scrollBox1 = nullptr;
        QWidget* scrollBoxContent = nullptr;
        PictureView* image1 = nullptr;
        StatusBar* statusBar1 = nullptr;
    };

    explicit TFormXom(QWidget* parent = nullptr);
    ~TFormXom() override;

    const Controls& Widgets() const { return controls_; }
    const TreeModel& TreeItems() const { return *treeModel_; }
    const GridModel& GridItems() const { return *gridModel_; }

    // What only a screen can answer.
    void RepaintNow() override;
    Size ScrollBoxSize() const override;
    bool DialogExecute(FileDialog dialog) override;
    void DialogSetFileName(FileDialog dialog, std::string_view name) override;
    bool PreviewChecked() const override;
    bool SaveImageEnabled() const override;
    // The views must forget their rows before the data goes.
    void TreeClear() override;
    void GridClear() override;

    // Brings every widget up to the stored contents.
    void Flush();
    // Run when the user selects a node (not when the selection goes away).
    void SetSelectionHandler(std::function<void()> handler) {
        selectionHandler_ = std::move(handler);
    }

    // Dialog answers given in advance, for the command line and for tests:
    // the next dialog confirms this path, or is cancelled for nullopt.
    void AnswerNextDialog(std::optional<std::string> path);
    // With this on, a dialog with no answer queued is cancelled instead of
    // being shown.
    void AnswerDialogsFromQueueOnly(bool on) { dialogsFromQueueOnly_ = on; }
    struct ShownDialog {
        FileDialog dialog;
        std::string proposedName;
    };
    const std::vector<ShownDialog>& ShownDialogs() const { return shownDialogs_; }

    // Centred on the desktop, then shown.
    void ShowCentred();
    // Panel2's width as the splitter left it.
    int Panel2Width() const { return panel2Width_; }
    void SetPanel2Width(int width);

protected:
    void Changed(Change change) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildControls();
    void LayOut();
    bool HoldsFormSize() const;
    void SnapBack();
    void ScheduleFlush();
    void SyncSelectionToView();
    void OnViewCurrentChanged();
    void SyncStatusPanels();
    void SyncPicture();
    QString ProposedName(FileDialog dialog) const;

    Controls controls_;
    TreeModel* treeModel_ = nullptr;
    GridModel* gridModel_ = nullptr;
    int panel2Width_ = kPanel2Width;
    QTimer* snapBack_ = nullptr;
    QSize refusedSize_;

    std::array<bool, 16> dirty_{};
    bool flushScheduled_ = false;
    bool syncingToView_ = false;
    bool syncingFromView_ = false;
    QElapsedTimer lastPaint_;
    std::function<void()> selectionHandler_;

    std::deque<std::optional<std::string>> dialogAnswers_;
    bool dialogsFromQueueOnly_ = false;
    std::vector<ShownDialog> shownDialogs_;
    // Whether each dialog's file name was chosen (native) or proposed by a
    // command (Windows-1252).
    std::array<bool, 3> dialogNameNative_{};
};

} // namespace brindle::qt
