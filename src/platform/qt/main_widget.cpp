#include "platform/qt/main_widget.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>

#include "platform/platform_state.h"

namespace qtbackend {

// The client area: the framebuffer shown as it is, and the mouse.
class MainWidget::Client : public QWidget {
 public:
  explicit Client(HWND window) : window_(window) {
    setFixedSize(window->clientWidth, window->clientHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  void showFramebuffer() {
    // 0x00BBGGRR read as 0xAARRGGBB is blue and red swapped: rgbSwapped
    // turns the copy into Qt's order in one pass.
    QImage picture(reinterpret_cast<const uchar*>(window_->pixels.data()), window_->clientWidth,
                   window_->clientHeight, window_->clientWidth * 4, QImage::Format_RGB32);
    image_ = picture.rgbSwapped();
    repaint();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) post(WM_LBUTTONDOWN, MK_LBUTTON, event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) post(WM_LBUTTONUP, 0, event);
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    holdInsideClip(event);
    post(WM_MOUSEMOVE, (event->buttons() & Qt::LeftButton) ? MK_LBUTTON : 0, event);
  }

 private:
  void post(UINT message, WPARAM buttons, QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    PostMessageA(window_, message, buttons, platform::heldPosition(window_, at.x(), at.y()));
  }
  // ClipCursor: the pointer goes back inside the rectangle (screen
  // coordinates of our window's frame, as the program computed them).
  void holdInsideClip(QMouseEvent* event) {
    auto& state = platform::state();
    if (!state.clipActive) return;
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    QPoint at = event->position().toPoint() + QPoint(origin.x, origin.y);
    int x = std::max<int>(state.clip.left, std::min<int>(at.x(), state.clip.right - 1));
    int y = std::max<int>(state.clip.top, std::min<int>(at.y(), state.clip.bottom - 1));
    if (x != at.x() || y != at.y()) QCursor::setPos(mapToGlobal(QPoint(x - origin.x, y - origin.y)));
  }
  HWND window_;
  QImage image_;
};

MainWidget::MainWidget(HWND window) : window_(window), client_(new Client(window)) {
  setWindowTitle(QString::fromLatin1(window->title.c_str()));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowMinimizeButtonHint);
  setCentralWidget(client_);
  buildMenu();
  layout()->setSizeConstraint(QLayout::SetFixedSize);  // no resizing, no maximise
  move(0, 0);
}

void MainWidget::buildMenu() {
  if (!window_->menu) return;
  HWND window = window_;
  auto command = [window](UINT id) { return [window, id] { PostMessageA(window, WM_COMMAND, id, 0); }; };
  for (const HMENU__::Item& top : window_->menu->bar) {
    QString text = QString::fromLatin1(top.text.c_str());
    if (top.id != 0) {  // a command on the bar itself
      menuBar()->addAction(text, command(top.id))->setData(top.id);
      continue;
    }
    QMenu* menu = menuBar()->addMenu(text);
    for (const HMENU__::Item& item : top.items) {
      QAction* action = menu->addAction(QString::fromLatin1(item.text.c_str()), command(item.id));
      action->setData(item.id);
    }
  }
}

void MainWidget::showState() {
  client_->showFramebuffer();
  if (window_->menu)
    for (QAction* bar : menuBar()->actions()) {
      QList<QAction*> actions = bar->menu() ? bar->menu()->actions() : QList<QAction*>{};
      for (QAction* action : actions)
        if (HMENU__::Item* item = window_->menu->find(action->data().toUInt())) {
          action->setCheckable(item->checked);
          action->setChecked(item->checked);
        }
    }
  HCURSOR cursor = platform::state().cursor;
  client_->setCursor(cursor && cursor->id == 32514 ? Qt::WaitCursor : Qt::ArrowCursor);
}

void MainWidget::closeEvent(QCloseEvent* event) {
  // The window procedure decides: it destroys the window, or not.
  event->ignore();
  PostMessageA(window_, WM_CLOSE, 0, 0);
}

}  // namespace qtbackend
