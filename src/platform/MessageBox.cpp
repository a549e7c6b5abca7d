#include "platform/MessageBox.h"

#include "platform/FileError.h"

#include <QMessageBox>

void ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tastrum"), text, QMessageBox::Ok, parent);
    box.exec();
}

void ShowFileError(QWidget* parent, const FileError& error) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tastrum"),
                    QString::fromUtf8(error.what()), QMessageBox::Ok, parent);
    box.exec();
}
