// The main window: one row per enabled clock, label then time, laid out and resized to fit
// whenever the texts change (tick, font, clock list); it carries the once-a-second tick and the
// time-server connection.
#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <string>

#include "model/zone_model.h"
#include "platform/system_clock_setter.h"
#include "sync/query_pacer.h"
#include "sync/server_time_query.h"
#include "sync/sync_time.h"
#include "ui/main/frame_placement.h"
#include "ui/main/main_window_host.h"
#include "ui/main/main_window_layout.h"
#include "ui/main/text_width_cache.h"

namespace horavia {

class frmMain : public QWidget {
    Q_OBJECT

  public:
    // ports: only tests use others. pacer: when each server was last asked, kept by the
    // program beyond this window's life; without one the window keeps its own.
    frmMain(AppState& state, MainWindowHost& host, SystemClockSetter& clockSetter,
            TimeServerPorts ports = {}, QueryPacer* pacer = nullptr);
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
    // Starts an automatic synchronisation when one is due, then records STLast.
    void UpdateTime();
    bool GetAtomTime(const std::string& sServer, DayCount& dAtomDate, std::int32_t& lRespons);
    // One synchronisation with the configured server; STLast is left alone.
    SyncOutcome SyncTime();

    void SetAlwaysOnTop(bool onTop);
    void ApplyFont(const std::string& name, std::int32_t points);
    // The program closing the window at shut-down: geometry written, ShowWnd kept.
    void CloseForShutDown();

    const ClockPaintLayout& PaintLayout() const { return layout_; }
    const FramePlacement& Placement() const { return placement_; }
    int LastTickSecond() const { return LastTickSecond_; }
    bool IsSynchronising() const { return synchroniser_.IsRunning(); }
    // True while a query waits for its server (a synchronisation's or a server test's).
    bool IsQueryWaiting() const { return WS.IsWaiting(); }

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
    QueryPacer ownPacer_;
    ServerTimeQuery WS;  // the connection every time query uses
    TimeSynchroniser synchroniser_;
    QTimer Timer;
    FramePlacement placement_{*this, WindowPositionsKnown()};
    int LastTickSecond_ = 0;
    ClockPaintLayout layout_;
    mutable TextWidthCache widths_;
    bool painted_ = false;
    bool closingForShutDown_ = false;
    bool deleteWhenSyncEnds_ = false;  // closed while its query was in use
    bool escapePressedHere_ = false;
    int clockSubscription_ = -1;
};

}  // namespace horavia
