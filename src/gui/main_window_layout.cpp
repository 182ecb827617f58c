// The main window's controls, built from the shared design (app/main_layout.h),
// each with the object name the presenter's Control names.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/app/main_layout.h"
#include "gui/keyboard.h"
#include "gui/main_window.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

using app::Control;
using app::ControlKind;

QLabel* LinkLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, DarkBlue());
  label->setPalette(palette);
  label->setCursor(Qt::PointingHandCursor);
  label->setFocusPolicy(Qt::StrongFocus);
  return label;
}

QWidget* TextBox(QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setReadOnly(true);
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return box;
}

// The widget for a kind, without its caption, place or font.
QWidget* Make(QWidget* parent, ControlKind kind) {
  switch (kind) {
    case ControlKind::kButton:
      return new QPushButton(parent);
    case ControlKind::kLine:
      return new QLineEdit(parent);
    case ControlKind::kReadOnlyLine: {
      auto* line = new QLineEdit(parent);
      line->setReadOnly(true);
      line->setFocusPolicy(Qt::ClickFocus);  // selectable, but no Tab stop
      return line;
    }
    case ControlKind::kTextBox:
      return TextBox(parent);
    case ControlKind::kCheckBox:
      return new QCheckBox(parent);
    case ControlKind::kComboBox:
      return new QComboBox(parent);
    case ControlKind::kWrapLabel: {
      auto* label = new QLabel(parent);
      label->setWordWrap(true);
      return label;
    }
    case ControlKind::kLink:
      return LinkLabel(parent);
    case ControlKind::kLabel:
      break;
  }
  return new QLabel(parent);
}

void SetCaption(QWidget* widget, const QString& caption) {
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(caption);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(caption);
}

QFont FontOf(const app::ControlDesign& design) {
  QFont font = design.face == app::Face::kArial ? ArialFont(app::kMainFontPoints)
                                                : TahomaFont(app::kMainFontPoints);
  font.setUnderline(design.kind == ControlKind::kLink);
  return font;
}

}  // namespace

void MainWindow::Register(Control control, QWidget* widget) {
  widget->setObjectName(app::ObjectName(control));
  controls_[static_cast<int>(control)] = widget;
}

template <typename T>
void MainWindow::Take(T*& member, Control control) {
  member = qobject_cast<T*>(Widget(control));
}

void MainWindow::CreateControls() {
  setObjectName(app::kMainObjectName);
  setWindowTitle(app::kMainCaption);
  setFont(TahomaFont());
  for (const app::ControlDesign& design : app::MainLayout()) {
    QWidget* widget = Make(this, design.kind);
    const app::TwipsRect& r = design.rect;
    widget->setGeometry(TwipsRect(r.left, r.top, r.width, r.height));
    widget->setFont(FontOf(design));
    SetCaption(widget, Q(design.caption));
    if (*design.tooltip != '\0') widget->setToolTip(Q(design.tooltip));
    Register(design.control, widget);
  }
  TakeControls();
  // The boxes stand above any label that might reach them.
  filepathsBox_->raise();
  linksBox_->raise();
  SetTabOrder();
  setFixedWidth(Px(app::kMainInnerWidth));
  setFixedHeight(Px(app::kMainInnerHeight));
}

void MainWindow::TakeControls() {
  Take(topFolderButton_, Control::kTopFolderButton);
  Take(selectSubfoldersButton_, Control::kSelectSubfoldersButton);
  Take(listFilesButton_, Control::kListFilesButton);
  Take(orphansButton_, Control::kOrphansButton);
  Take(checkLinksButton_, Control::kCheckLinksButton);
  Take(resultsButton_, Control::kResultsButton);
  Take(stopButton_, Control::kStopButton);
  Take(moreChecksButton_, Control::kMoreChecksButton);
  Take(clearButton_, Control::kClearButton);
  Take(settingsButton_, Control::kSettingsButton);
  Take(helpButton_, Control::kHelpButton);
  Take(quitButton_, Control::kQuitButton);
  Take(topFolderBox_, Control::kTopFolderBox);
  Take(subfoldersBox_, Control::kExcludedSubfoldersBox);
  Take(filepathsBox_, Control::kExcludedFilepathsBox);
  Take(linksBox_, Control::kExcludedLinksBox);
  Take(clearChoice_, Control::kClearChoice);
  Take(settingsChoice_, Control::kSettingsChoice);
  Take(vendorLink_, Control::kVendorLink);
  Take(manualLink_, Control::kManualLink);
  Take(topFolderOnlyBox_, Control::kTopFolderOnlyBox);
  Take(showRepeatedBox_, Control::kShowRepeatedBox);
  Take(includePhpBox_, Control::kIncludePhpBox);
}

// Enter presses the focused button.
void MainWindow::SetTabOrder() {
  const std::vector<Control>& order = app::MainTabOrder();
  for (std::size_t i = 1; i < order.size(); ++i)
    setTabOrder(Widget(order[i - 1]), Widget(order[i]));
  PressFocusedButtonOnEnter(this);
}

void MainWindow::ApplyBackColours() {
  SetBackColour(this, WindowBackColour());
  for (QLabel* label : findChildren<QLabel*>()) SetBackColour(label, WindowBackColour());
  for (QCheckBox* box : findChildren<QCheckBox*>()) SetBackColour(box, WindowBackColour());
}

}  // namespace qvn::gui
