#include "app/fatal_error_report.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace lumorix {
namespace {

TEST(FatalErrorReport, TellsTheNumberAndDescriptionThenEndsWithAFailureStatus) {
    QWidget window;
    QString shown;
    QTimer::singleShot(0, [&window, &shown] {
        // Read and dismiss the dialog once it is up.
        QTimer::singleShot(0, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        showFatalErrorAndQuit(&window, FatalError::typeMismatch());
    });
    QEventLoop loop;
    EXPECT_EQ(loop.exec(), 1);
    EXPECT_TRUE(shown.contains("13")) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QString::fromUtf8("Neshoda typů"))) << shown.toStdString();
}

} // namespace
} // namespace lumorix
