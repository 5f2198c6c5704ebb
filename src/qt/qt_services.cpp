#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <stdexcept>

#include "print/print_job.h"
#include "qt/convert.h"
#include "qt/host.h"
#include "qt/print_painter.h"
#include "ui/print_archive.h"

namespace tallyvex::qt {

namespace {

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

bool hasSystemPrinter() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

// Shows a short note at the foot of the shown main window for a few seconds, without waiting for the user:
// where a print-out went. A newer note replaces the last one.
void showNote(const QString& text) {
    QMainWindow* window = qobject_cast<QMainWindow*>(QApplication::activeWindow());
    if (window == nullptr) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<QMainWindow*>(widget); main != nullptr && main->isVisible()) {
                window = main;
                break;
            }
        }
    }
    if (window == nullptr) {
        return;
    }
    const QString name = QStringLiteral("printNote");
    delete window->findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
    auto* note = new QLabel(text, window);
    note->setObjectName(name);
    note->setAttribute(Qt::WA_TransparentForMouseEvents);
    note->setFocusPolicy(Qt::NoFocus);
    note->setFrameShape(QFrame::Box);
    note->setAutoFillBackground(true);
    QPalette palette = note->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::WindowText, Qt::black);
    note->setPalette(palette);
    note->setMargin(4);
    note->setWordWrap(true);
    note->setFixedWidth(window->width());
    note->adjustSize();
    note->move(0, window->height() - note->height());
    note->show();
    note->raise();
    const QPointer<QLabel> guard(note);
    QTimer::singleShot(8000, window, [guard] { delete guard.data(); });
}

}  // namespace

QtServices::QtServices(const store::DataDir& dataDir)
    : m_dataDir(&dataDir),
      m_random(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

QtServices::~QtServices() = default;

void QtServices::prepareDialog() const {
    if (m_beforeDialog) {
        m_beforeDialog();
    }
}

ui::Answer QtServices::messageBox(const std::string& text, ui::Buttons buttons, const std::string& title) {
    prepareDialog();
    QMessageBox::StandardButtons standard;
    switch (buttons) {
        case ui::Buttons::OK:
            standard = QMessageBox::Ok;
            break;
        case ui::Buttons::OKCancel:
            standard = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case ui::Buttons::YesNo:
            standard = QMessageBox::Yes | QMessageBox::No;
            break;
        case ui::Buttons::YesNoCancel:
            standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
    }
    QMessageBox box(QMessageBox::NoIcon, toQString(title), editText(text), standard, dialogParent());
    // The first button is the default, as in the old message boxes.
    box.setDefaultButton(buttons == ui::Buttons::YesNo || buttons == ui::Buttons::YesNoCancel
                             ? QMessageBox::Yes
                             : QMessageBox::Ok);
    switch (box.exec()) {
        case QMessageBox::Ok:
            return ui::Answer::OK;
        case QMessageBox::Yes:
            return ui::Answer::Yes;
        case QMessageBox::No:
            return ui::Answer::No;
        case QMessageBox::Cancel:
            return ui::Answer::Cancel;
        default:
            // Closed without a button: only possible when an escape answer exists.
            return buttons == ui::Buttons::OK ? ui::Answer::OK : ui::Answer::Cancel;
    }
}

std::optional<std::filesystem::path> QtServices::openFileDialog(const std::filesystem::path& folder,
                                                                const std::string& filter) {
    prepareDialog();
    const QString chosen = QFileDialog::getOpenFileName(
        dialogParent(), QString(), QFile::decodeName(folder.c_str()), fileDialogFilter(filter));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(QFile::encodeName(chosen).toStdString());
}

std::optional<std::filesystem::path> QtServices::saveFileDialog(const std::filesystem::path& folder,
                                                                const std::string& filter) {
    prepareDialog();
    // Qt's own overwrite prompt stays off: the caller asks with a message box that scripts can answer.
    const QString chosen =
        QFileDialog::getSaveFileName(dialogParent(), QString(), QFile::decodeName(folder.c_str()),
                                     fileDialogFilter(filter), nullptr, QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(QFile::encodeName(chosen).toStdString());
}

void QtServices::print(const print::PrintJob& job) {
    const bool chosen = m_printer && !m_printer->printerName().isEmpty();
    if (!chosen && !hasSystemPrinter()) {
        const std::filesystem::path pdf = archive(job);
        showNote(QStringLiteral("Print-out kept as ") + QFile::decodeName(pdf.c_str()));
        return;
    }
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    m_printer->setDocName(toQString(job.name()));
    QPainter painter;
    if (!painter.begin(m_printer.get())) {
        throw std::runtime_error("the printer " + toUtf8(m_printer->printerName()) + " cannot print");
    }
    drawPrintJob(job, painter, *m_printer);
    if (!painter.end()) {
        throw std::runtime_error("the printer " + toUtf8(m_printer->printerName()) + " did not finish " +
                                 job.name());
    }
    showNote(QStringLiteral("Print-out sent to the printer ") + m_printer->printerName());
}

std::filesystem::path QtServices::archive(const print::PrintJob& job) {
    // A printer chosen in the set-up gives its page layout.
    const QPageLayout layout = m_printer ? m_printer->pageLayout() : defaultPdfLayout();
    return ui::archivePrintJob(*m_dataDir, job, now(), [&layout](const print::PrintJob& pdfJob) {
        return pdfBytesWithLayout(pdfJob, layout);
    });
}

bool QtServices::printerSetup() {
    prepareDialog();
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        messageBox("No printer is installed: print-outs are kept as PDF files in " +
                       m_dataDir->printsFolder().string(),
                   ui::Buttons::OK, "Tallyvex");
        return false;
    }
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    QPrintDialog dialog(m_printer.get(), dialogParent());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    // The printer's font is part of its set-up; cancelling this step keeps the current one.
    QFont current(toQString(m_font.name));
    current.setPointSizeF(m_font.size);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, current, dialogParent(), QStringLiteral("Printer font"));
    if (ok) {
        m_font.name = toUtf8(chosen.family());
        m_font.size = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : m_font.size;
    }
    return true;
}

void QtServices::openDocument(const std::filesystem::path& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}

void QtServices::beep() {
    QApplication::beep();
}

ui::DateTime QtServices::now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return ui::DateTime{date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

double QtServices::random() {
    // 32 random bits scaled below 1: never 1.0, unlike a rounded floating-point draw can be.
    return static_cast<double>(m_random()) / 4294967296.0;
}

}  // namespace tallyvex::qt
