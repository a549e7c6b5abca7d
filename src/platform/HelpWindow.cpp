// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HelpWindow.h"

#include "platform/DesktopLauncher.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QSize kWindowSize{760, 560};
constexpr int kChartWidth = 720;

// A page's drawing in SVG, which the text browser does not draw, becomes a
// picture of it.
QString WithSvgAsPictures(QString html, QTextDocument& document, const QUrl& page) {
    static const QRegularExpression svg(QStringLiteral("<svg[\\s\\S]*?</svg>"));
    int number = 0;
    for (QRegularExpressionMatch found = svg.match(html); found.hasMatch();
         found = svg.match(html)) {
        QSvgRenderer renderer(found.captured().toUtf8());
        const QSizeF size =
            renderer.defaultSize().scaled(kChartWidth, kChartWidth * 4, Qt::KeepAspectRatio);
        QImage picture(size.toSize(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        renderer.render(&painter);
        const QUrl name(page.toString() + QStringLiteral("#rysunek-%1").arg(number++));
        document.addResource(QTextDocument::ImageResource, name, picture);
        html.replace(found.capturedStart(), found.capturedLength(),
                     QStringLiteral("<img src=\"%1\">").arg(name.toString()));
    }
    return html;
}

} // namespace

CHelpWindow::CHelpWindow(const QString& helpFolder, QWidget* parent)
    : QDialog(parent), m_helpFolder(helpFolder), m_browser(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Tastrum – pomoc"));
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &CHelpWindow::Show);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* browser =
        buttons->addButton(QStringLiteral("Otwórz w &przeglądarce"), QDialogButtonBox::ActionRole);
    connect(browser, &QPushButton::clicked, this, [this] {
        const QString shown = m_page.toLocalFile();
        LaunchWithDesktop(shown.toStdString(), m_helpFolder.toStdString());
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
    resize(kWindowSize);
    Show(QUrl::fromLocalFile(m_helpFolder + QStringLiteral("/index.htm")));
}

// Pages beside the program open here, other addresses in the desktop's
// browser.
void CHelpWindow::Show(const QUrl& link) {
    const QUrl page = m_page.isValid() ? m_page.resolved(link) : link;
    if (!page.isLocalFile()) {
        QDesktopServices::openUrl(page);
        return;
    }
    QUrl shown = page;
    shown.setFragment(QString());
    QFile file(page.toLocalFile());
    if (!file.open(QIODevice::ReadOnly)) {
        m_page = shown;
        m_browser->setHtml(QStringLiteral("<p>Nie można otworzyć strony pomocy %1.</p>")
                               .arg(page.toLocalFile().toHtmlEscaped()));
        return;
    }
    if (shown != m_page || m_browser->toPlainText().isEmpty()) {
        m_page = shown;
        m_browser->document()->setBaseUrl(shown);
        m_browser->setHtml(
            WithSvgAsPictures(QString::fromUtf8(file.readAll()), *m_browser->document(), shown));
    }
    if (!page.fragment().isEmpty())
        m_browser->scrollToAnchor(page.fragment());
}
