// A modal dialog built from its template in tarnwick.rc: dialog units to
// pixels from the dialog font's average character width and height, static
// texts, group boxes, auto radio buttons, a digits-only edit field that takes
// no more characters than fit its width, push buttons (the default one takes
// Enter; Esc and the close box are Cancel). What the user does goes through
// the layer (clicks and typing reach the dialog procedure as WM_COMMAND), and
// the widgets show the controls' state as the layer keeps it.
#pragma once

#include <QDialog>
#include <map>

#include "platform/win32.h"

namespace qtbackend {

class DialogWidget : public QDialog {
 public:
  explicit DialogWidget(HWND dialog, QWidget* owner);
  // Dialog units of the template to pixels, as Windows converts them.
  QRect toPixels(int x, int y, int width, int height) const;

 protected:
  void reject() override;  // Esc and the close box

 private:
  void click(int id);
  void showItems();
  HWND dialog_;
  int baseX_ = 6, baseY_ = 13;
  std::map<int, QWidget*> widgets_;
};

}  // namespace qtbackend
