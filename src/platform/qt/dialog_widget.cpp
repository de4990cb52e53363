#include "platform/qt/dialog_widget.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "platform/dialogs/dialogs.h"
#include "platform/dialogs/resources.h"
#include "platform/platform_state.h"

namespace qtbackend {

namespace {

constexpr DWORD kTypeMask = 0x0F;
constexpr DWORD kDefPushButton = 1, kGroupBox = 7, kAutoRadio = 9;
constexpr DWORD kEsCenter = 0x0001, kEsNumber = 0x2000;

}  // namespace

DialogWidget::DialogWidget(HWND dialog, QWidget* owner) : QDialog(owner), dialog_(dialog) {
  const platform::DialogTemplate* t = platform::findDialogTemplate(dialog->dialogTemplate);
  setWindowTitle(QString::fromLatin1(dialog->title.c_str()));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  if (!t) return;
  QFont font(QString::fromLatin1(t->fontFace.c_str()));
  font.setPointSize(t->fontSize);
  setFont(font);
  // The average width of the alphabet and the font's height: the dialog base units.
  QFontMetrics metrics(font);
  QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  baseX_ = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
  baseY_ = metrics.height();
  setFixedSize(toPixels(0, 0, t->width, t->height).size());

  for (const platform::DialogControl& c : t->controls) {
    QString text = QString::fromLatin1(c.text.c_str());
    QWidget* widget = nullptr;
    DWORD type = c.style & kTypeMask;
    int id = c.id;
    if (c.className == "Static") {
      widget = new QLabel(text, this);
    } else if (c.className == "Edit") {
      auto* edit = new QLineEdit(this);
      if (c.style & kEsNumber)
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
      edit->setMaxLength(platform::kEditFieldDigits);
      if (c.style & kEsCenter) edit->setAlignment(Qt::AlignCenter);
      connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& typed) {
        platform::typeInto(dialog_, id, typed.toStdString());
        showItems();
      });
      widget = edit;
    } else if (type == kGroupBox) {
      widget = new QGroupBox(text, this);
    } else if (type == kAutoRadio) {
      auto* radio = new QRadioButton(text, this);
      connect(radio, &QRadioButton::clicked, this, [this, id] { click(id); });
      widget = radio;
    } else {
      auto* button = new QPushButton(text, this);
      button->setAutoDefault(false);
      button->setDefault(type == kDefPushButton);
      connect(button, &QPushButton::clicked, this, [this, id] { click(id); });
      widget = button;
    }
    widget->setGeometry(toPixels(c.x, c.y, c.width, c.height));
    if (type == kGroupBox) widget->lower();  // a frame behind the buttons it groups
    if (id != -1) widgets_[id] = widget;  // -1: a text nobody changes
  }
  showItems();
}

QRect DialogWidget::toPixels(int x, int y, int width, int height) const {
  auto px = [this](int v) { return v * baseX_ / 4; };
  auto py = [this](int v) { return v * baseY_ / 8; };
  return QRect(px(x), py(y), px(width), py(height));
}

void DialogWidget::click(int id) {
  platform::clickButton(dialog_, id);
  if (dialog_->ended) return done(static_cast<int>(dialog_->result));
  showItems();
}

void DialogWidget::reject() {
  if (!dialog_->ended) platform::clickButton(dialog_, IDCANCEL);
  done(IDCANCEL);
}

void DialogWidget::showItems() {
  for (const DialogItem& item : dialog_->items) {
    auto found = widgets_.find(item.id);
    if (found == widgets_.end()) continue;
    if (auto* edit = qobject_cast<QLineEdit*>(found->second)) {
      if (edit->text().toStdString() != item.text) edit->setText(QString::fromLatin1(item.text.c_str()));
    } else if (auto* label = qobject_cast<QLabel*>(found->second)) {
      label->setText(QString::fromLatin1(item.text.c_str()));
    } else if (auto* radio = qobject_cast<QRadioButton*>(found->second)) {
      radio->setChecked(item.checked);
    }
  }
}

}  // namespace qtbackend
