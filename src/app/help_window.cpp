#include "help_window.h"

#include "design/help_text.h"
#include "design/window_texts.h"
#include "qt_design.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace lumorix {

HelpWindow::HelpWindow(QWidget& window)
    : QDialog(&window) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(qtText(helpTitle));
    setModal(false);
    auto* text = new QTextBrowser(this);
    text->setHtml(qtText(helpHtml()));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(560, 640);
}

} // namespace lumorix
