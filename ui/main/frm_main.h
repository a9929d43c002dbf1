// The main window: one row per enabled clock, label then time, laid out and resized to fit
// whenever the texts change (tick, font, clock list); it carries the once-a-second tick, which
// asks the time service for a due synchronisation.
#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <string>

#include "model/zone_model.h"
#include "sync/time_service.h"
#include "ui/main/frame_placement.h"
#include "ui/main/main_window_host.h"
#include "ui/main/main_window_layout.h"
#include "ui/main/text_width_cache.h"

namespace horavia {

class frmMain : public QWidget {
    Q_OBJECT

  public:
    // The time service belongs to the program and outlives the window.
    frmMain(AppState& state, MainWindowHost& host, TimeService& time);
    ~frmMain() override;

    // Restores the geometry (kept on the desktop), shows or hides the window by ShowWnd and
    // applies always-on-top.
    void Form_Load();
    // Lays the clocks out at this moment, resizes the window to fit and repaints it.
    void Form_Paint();
    void Form_MouseUp(Qt::MouseButton button, const QPoint& globalPos);
    void Form_DblClick();
    void Form_KeyUp(int key);
    // Writes the geometry; a close from the window's close box also hides the window.
    void Form_QueryUnload(bool fromCloseBox);

    // The tick: its work runs once per change of the wall-clock second. True when it ran.
    bool Timer_Timer();
    // Asks the time service to run an automatic synchronisation when one is due (it then
    // records STLast). The service runs it from the event loop, outside this window.
    void UpdateTime();

    void SetAlwaysOnTop(bool onTop);
    void ApplyFont(const std::string& name, std::int32_t points);
    // The program closing the window at shut-down: geometry written, ShowWnd kept.
    void CloseForShutDown();

    const ClockPaintLayout& PaintLayout() const { return layout_; }
    const FramePlacement& Placement() const { return placement_; }
    int LastTickSecond() const { return LastTickSecond_; }

  signals:
    // Escape or the close box: the user wants the window out of sight.
    void hideRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void ArmTimer();
    ClockPaintLayout ComputeLayout() const;
    void ApplyLayoutSize();
    void WriteGeometry();

    AppState& state_;
    MainWindowHost& host_;
    TimeService& time_;
    QTimer Timer;
    FramePlacement placement_{*this, WindowPositionsKnown()};
    int LastTickSecond_ = 0;
    ClockPaintLayout layout_;
    mutable TextWidthCache widths_;
    bool painted_ = false;
    bool closingForShutDown_ = false;
    bool escapePressedHere_ = false;
    int clockSubscription_ = -1;
};

}  // namespace horavia
