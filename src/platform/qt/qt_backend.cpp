#include "platform/qt/qt_backend.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/platform_state.h"
#include "platform/qt/dialog_widget.h"
#include "platform/qt/main_widget.h"

namespace qtbackend {

namespace {

// "Dem Files (*.dem)\0*.dem\0" as Qt's "Dem Files (*.dem)": the description
// with the patterns of each pair.
QStringList nameFilters(const char* filter) {
  QStringList filters;
  for (const char* p = filter; p && *p;) {
    QString description = QString::fromLatin1(p);
    p += std::char_traits<char>::length(p) + 1;
    QString patterns = *p ? QString::fromLatin1(p) : QString();
    if (*p) p += std::char_traits<char>::length(p) + 1;
    patterns.replace(';', ' ');
    filters << (description.contains('(') ? description : description + " (" + patterns + ")");
  }
  return filters;
}

QMessageBox::Icon iconFor(UINT type) {
  switch (type & 0xF0) {
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case 0x10: return QMessageBox::Critical;
    case 0x20: return QMessageBox::Question;
    case 0x40: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

QtBackend::QtBackend() = default;
QtBackend::~QtBackend() = default;

MainWidget* QtBackend::widgetFor(HWND window) {
  if (!platform::isWindow(window) || !window->visible || window->dialogProc) return nullptr;
  auto& widget = widgets_[window];
  if (!widget) {
    widget = std::make_unique<MainWidget>(window);
    widget->show();
  }
  return widget.get();
}

void QtBackend::forgetClosedWindows() {
  for (auto it = widgets_.begin(); it != widgets_.end();)
    it = platform::isWindow(it->first) ? std::next(it) : widgets_.erase(it);
}

bool QtBackend::waitForInput() {
  forgetClosedWindows();
  for (auto& [window, widget] : widgets_) widget->showState();
  QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return true;  // the user is there until the window closes
}

void QtBackend::present(HWND window) {
  if (MainWidget* widget = widgetFor(window)) widget->showState();
}

void QtBackend::cursorChanged() {
  for (auto& [window, widget] : widgets_) widget->showState();
  // Shown now: a long pass runs no event loop until it ends.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int QtBackend::messageBox(HWND owner, const char* text, const char* caption, UINT type) {
  QMessageBox box(iconFor(type), QString::fromLatin1(caption), QString::fromLatin1(text), QMessageBox::Ok,
                  widgets_.count(owner) ? widgets_[owner].get() : nullptr);
  box.exec();
  return IDOK;
}

std::string QtBackend::chooseFile(const OPENFILENAMEA& request, bool save) {
  QWidget* owner = widgets_.count(request.hwndOwner) ? widgets_[request.hwndOwner].get() : nullptr;
  QFileDialog dialog(owner, save ? "Save As" : "Open");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the layer asks, as the flags say
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode((request.Flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilters(nameFilters(request.lpstrFilter));
  dialog.setDirectory(QDir::current());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
  return dialog.selectedFiles().first().toStdString();
}

bool QtBackend::confirmOverwrite(HWND owner, const std::string& path) {
  QWidget* parent = widgets_.count(owner) ? widgets_[owner].get() : nullptr;
  QString name = QString::fromStdString(path).section('/', -1);
  return QMessageBox::warning(parent, "Confirm Save As", name + " already exists.\nDo you want to replace it?",
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void QtBackend::runDialog(HWND dialog) {
  QWidget* owner = widgets_.empty() ? nullptr : widgets_.begin()->second.get();
  DialogWidget widget(dialog, owner);
  dialogs_[dialog] = &widget;
  widget.exec();
  dialogs_.erase(dialog);
}

void QtBackend::dialogEnded(HWND dialog) {
  if (auto found = dialogs_.find(dialog); found != dialogs_.end()) {
    found->second->hide();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);  // the window below repaints
  }
}

}  // namespace qtbackend
