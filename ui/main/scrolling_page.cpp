#include "ui/main/scrolling_page.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "ui/main/screen_watch.h"

namespace horavia {

namespace {

// Before the window manager has framed a window its frame is not known: this much is left for
// a title bar and borders.
constexpr int kFrameAllowanceWidth = 16;
constexpr int kFrameAllowanceHeight = 40;
// The least height of a scrolling page, in lines of its font: enough to find one's way.
constexpr int kLeastLines = 6;

}  // namespace

ScrollingPage::ScrollingPage(QWidget* content, QWidget* parent) : QScrollArea(parent) {
    setObjectName(content->objectName() + QStringLiteral("Scroll"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    // The keyboard goes to the controls; the page scrolls to the one that takes the focus.
    setFocusPolicy(Qt::NoFocus);
    setWidget(content);
    content->installEventFilter(this);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
}

QSize ScrollingPage::sizeHint() const {
    // The whole content where there is room for it.
    const QWidget* content = widget();
    return content != nullptr ? content->sizeHint().expandedTo(content->minimumSizeHint()) +
                                    QSize(verticalScrollBar()->sizeHint().width(), 0)
                              : QScrollArea::sizeHint();
}

QSize ScrollingPage::minimumSizeHint() const {
    const QWidget* content = widget();
    if (content == nullptr) return QScrollArea::minimumSizeHint();
    const QSize least = content->minimumSizeHint().expandedTo(content->minimumSize());
    // Never narrower than the content (its scroll bar beside it); lower only by scrolling.
    const int lowest = std::min(least.height(), kLeastLines * fontMetrics().lineSpacing());
    return {least.width() + verticalScrollBar()->sizeHint().width(),
            std::max(lowest, least.height() - shortfall_)};
}

bool ScrollingPage::eventFilter(QObject* watched, QEvent* event) {
    // The content's needs changed (a picture came, a control was shown): the window lays the
    // page out again, and the content gets at least its least size, also while hidden.
    if (watched == widget() && event->type() == QEvent::LayoutRequest) {
        updateGeometry();
        QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
    }
    return QScrollArea::eventFilter(watched, event);
}

void ScrollingPage::setShortfall(int pixels) {
    if (pixels == shortfall_) return;
    shortfall_ = pixels;
    updateGeometry();
}

void FitInsideWorkArea(QWidget& window, const QRect& workArea) {
    if (workArea.isEmpty()) return;
    const QSize frame = (window.frameGeometry().size() - window.size())
                            .expandedTo(QSize(kFrameAllowanceWidth, kFrameAllowanceHeight));
    const QSize room = workArea.size() - frame;
    // The pages give up what the window lacks; all the same, as they may be tabs of one stack.
    const QList<ScrollingPage*> pages = window.findChildren<ScrollingPage*>();
    if (!pages.isEmpty()) {
        for (ScrollingPage* page : pages) page->setShortfall(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        if (window.layout() != nullptr) window.layout()->activate();
        const int lacking = std::max(0, window.minimumSizeHint().height() - room.height());
        for (ScrollingPage* page : pages) page->setShortfall(lacking);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        if (window.layout() != nullptr) window.layout()->activate();
    }
    const QSize fitted = window.size().boundedTo(room).expandedTo(window.minimumSize());
    if (fitted != window.size()) window.resize(fitted);
    // A window not yet placed is left to the window manager, which opens it inside the area.
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Moved)) return;
    // Moved only where it pokes out of the area, and never to before its near edges.
    QRect outer = window.frameGeometry();
    outer.setSize(window.size() + frame);
    QPoint at = outer.topLeft();
    at.setX(std::max(workArea.left(), std::min(at.x(), workArea.right() + 1 - outer.width())));
    at.setY(std::max(workArea.top(), std::min(at.y(), workArea.bottom() + 1 - outer.height())));
    if (at != window.frameGeometry().topLeft()) window.move(at);
}

void FitInsideItsWorkArea(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        FitInsideWorkArea(window, screen->availableGeometry());
    }
}

WorkAreaFit::WorkAreaFit(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
    connect(new ScreenWatch(window_), &ScreenWatch::workAreaChanged, this,
            [this](const QRect& workArea) {
                if (window_.isVisible()) FitInsideWorkArea(window_, workArea);
            });
}

bool WorkAreaFit::eventFilter(QObject* watched, QEvent* event) {
    // Before the window is mapped: the window manager sees it at its fitted size.
    if (watched == &window_ && event->type() == QEvent::Show) FitInsideItsWorkArea(window_);
    return false;
}

}  // namespace horavia
