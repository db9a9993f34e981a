#include "league/ui/TfrmDruck.h"

#include "league/print/PdfFile.h"

#include "league/model/LeagueError.h"
#include "league/print/TPageWriter.h"
#include "league/ui/FormUtil.h"
#include "league/ui/PrinterSeam.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>

TPageView::TPageView(const TPageWriter &pages, QWidget *parent)
    : QAbstractScrollArea(parent), m_pages(pages)
{
    setObjectName(QStringLiteral("Prn"));
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setSingleStep(16);
    // Scrolling follows the thumb while it is dragged.
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
    viewport()->setAutoFillBackground(false);
}

int TPageView::pageCount() const
{
    return m_pages.pageCount();
}

void TPageView::setCurrentPage(int page)
{
    m_page = std::clamp(page, 1, std::max(1, pageCount()));
    viewport()->update();
}

double TPageView::pixelsPerMmX() const
{
    return logicalDpiX() / 25.4 * m_zoom / 100.0;
}

double TPageView::pixelsPerMmY() const
{
    return logicalDpiY() / 25.4 * m_zoom / 100.0;
}

QSize TPageView::pageSizePixels() const
{
    return QSize(int(std::lround(TPageWriter::kPageWidthMm * pixelsPerMmX())),
                 int(std::lround(TPageWriter::kPageHeightMm * pixelsPerMmY())));
}

void TPageView::setZoom(int percent)
{
    m_zoom = std::clamp(percent, kMinZoom, kMaxZoom);
    updateScrollBars();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void TPageView::zoomToWidth()
{
    const QSize area = maximumViewportSize();
    const double widthAt100 = TPageWriter::kPageWidthMm * logicalDpiX() / 25.4;
    const double heightAt100 = TPageWriter::kPageHeightMm * logicalDpiY() / 25.4;
    int available = area.width();
    // A page taller than the view brings the vertical scroll bar, which
    // takes its width from the room the page can fill.
    if (heightAt100 * available / widthAt100 > area.height())
        available -= verticalScrollBar()->sizeHint().width();
    setZoom(int(std::floor(available * 100.0 / widthAt100)));
}

void TPageView::zoomToHeight()
{
    const QSize area = maximumViewportSize();
    const double widthAt100 = TPageWriter::kPageWidthMm * logicalDpiX() / 25.4;
    const double heightAt100 = TPageWriter::kPageHeightMm * logicalDpiY() / 25.4;
    int available = area.height();
    if (widthAt100 * available / heightAt100 > area.width())
        available -= horizontalScrollBar()->sizeHint().height();
    setZoom(int(std::floor(available * 100.0 / heightAt100)));
}

void TPageView::zoomToPage()
{
    const QSize area = maximumViewportSize();
    const double widthAt100 = TPageWriter::kPageWidthMm * logicalDpiX() / 25.4;
    const double heightAt100 = TPageWriter::kPageHeightMm * logicalDpiY() / 25.4;
    const double fit = std::min(area.width() * 100.0 / widthAt100, area.height() * 100.0 / heightAt100);
    setZoom(int(std::floor(fit)));
}

void TPageView::pagesChanged()
{
    setCurrentPage(1);
    updateScrollBars();
}

void TPageView::updateScrollBars()
{
    // Decided on the room the view has without scroll bars, not on the
    // viewport as it stands: after a zoom that was too large both bars are
    // still shown, and a page that fits the whole view would not fit the
    // viewport beside them, so they would stay and hide its edges.
    const QSize page = pageSizePixels();
    const QSize room = maximumViewportSize();
    const int barWidth = verticalScrollBar()->sizeHint().width();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    bool needH = page.width() > room.width();
    bool needV = page.height() > room.height();
    // One bar takes room from the other direction, which may then need its own.
    if (needH && !needV)
        needV = page.height() > room.height() - barHeight;
    if (needV && !needH)
        needH = page.width() > room.width() - barWidth;
    const QSize view(room.width() - (needV ? barWidth : 0), room.height() - (needH ? barHeight : 0));
    horizontalScrollBar()->setRange(0, needH ? page.width() - view.width() : 0);
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, needV ? page.height() - view.height() : 0);
    verticalScrollBar()->setPageStep(view.height());
}

void TPageView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TPageView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Dark));
    if (pageCount() == 0)
        return;
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const QRect page(QPoint(0, 0), pageSizePixels());
    painter.fillRect(page, Qt::white);
    painter.setClipRect(page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    m_pages.renderPage(painter, m_page, logicalDpiX() * m_zoom / 100.0, logicalDpiY() * m_zoom / 100.0);
}

TfrmDruck::TfrmDruck(TPageWriter &prn, PrinterSeam &printer, const UiPlatform &platform, QWidget *parent)
    : QDialog(parent), m_prn(prn), m_printer(printer), m_platform(platform),
      m_pdfDialog(FileDialogState::Save, {{QStringLiteral("PDF-Dokument (*.pdf)"), QStringLiteral("*.pdf")}},
                  QStringLiteral("pdf"))
{
    setObjectName(QStringLiteral("frmDruck"));
    setWindowTitle(QStringLiteral("Druckvorschau"));
    FormUtil::makeFixedDialog(this, 369, 352);

    Prn = new TPageView(m_prn, this);
    Prn->setGeometry(4, 4, 233, 317);

    const auto button = [this](QPushButton *&b, const char *name, const QString &text, int y) {
        b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(244, y, 121, 25);
        b->setAutoDefault(false);
    };
    button(bbPrint, "bbPrint", QStringLiteral("Drucken"), 4);
    button(bbPdf, "bbPdf", QStringLiteral("Als PDF speichern…"), 33);
    button(bbOK, "bbOK", QStringLiteral("Schließen"), 62);
    button(bbHilfe, "bbHilfe", QStringLiteral("Hilfe"), 91);

    auto *lblCopies1 = new QLabel(QStringLiteral("Anzahl der"), this);
    lblCopies1->setGeometry(244, 130, 70, 15);
    auto *lblCopies2 = new QLabel(QStringLiteral("Kopien"), this);
    lblCopies2->setGeometry(244, 145, 70, 15);
    seCopies = new QSpinBox(this);
    seCopies->setObjectName(QStringLiteral("seCopies"));
    seCopies->setRange(1, 99);
    seCopies->setValue(1);
    seCopies->setGeometry(315, 133, 50, 22);

    auto *lblZoom = new QLabel(QStringLiteral("Zoomfaktor:"), this);
    lblZoom->setGeometry(244, 175, 121, 15);
    ZoomList = new QComboBox(this);
    ZoomList->setObjectName(QStringLiteral("ZoomList"));
    ZoomList->setEditable(true);
    ZoomList->setInsertPolicy(QComboBox::NoInsert);
    ZoomList->addItems({QStringLiteral("200%"), QStringLiteral("175%"), QStringLiteral("150%"),
                        QStringLiteral("125%"), QStringLiteral("100%"), QStringLiteral("75%"),
                        QStringLiteral("50%"), QStringLiteral("25%"), QStringLiteral("ganze Breite"),
                        QStringLiteral("ganze Höhe"), QStringLiteral("ganze Seite")});
    ZoomList->setCurrentIndex(7);
    ZoomList->setEditText(QStringLiteral("25%"));
    ZoomList->setGeometry(244, 191, 121, 22);
    ZoomList->installEventFilter(this);
    ZoomList->lineEdit()->installEventFilter(this);

    auto *lblSeite = new QLabel(QStringLiteral("Seite:"), this);
    lblSeite->setGeometry(244, 230, 40, 15);
    lblPage = new QLabel(this);
    lblPage->setObjectName(QStringLiteral("lblPage"));
    lblPage->setGeometry(284, 230, 81, 15);

    const auto arrow = [this](QToolButton *&b, const char *name, Qt::ArrowType type, int x) {
        b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setArrowType(type);
        b->setGeometry(x, 250, 25, 25);
    };
    arrow(btnPrevPage, "btnPrevPage", Qt::LeftArrow, 244);
    arrow(btnNextPage, "btnNextPage", Qt::RightArrow, 273);

    ZoomTimer = new QTimer(this);
    ZoomTimer->setObjectName(QStringLiteral("ZoomTimer"));
    ZoomTimer->setInterval(50);

    m_prn.setCopies(seCopies->value());
    Prn->setZoom(25);

    connect(bbPrint, &QPushButton::clicked, this, &TfrmDruck::bbPrintClick);
    connect(bbPdf, &QPushButton::clicked, this, &TfrmDruck::bbPdfClick);
    connect(bbOK, &QPushButton::clicked, this, [this] { done(2); });
    connect(bbHilfe, &QPushButton::clicked, this, &TfrmDruck::bbHilfeClick);
    connect(btnPrevPage, &QToolButton::clicked, this, &TfrmDruck::btnPrevPageClick);
    connect(btnNextPage, &QToolButton::clicked, this, &TfrmDruck::btnNextPageClick);
    connect(ZoomList, &QComboBox::activated, this, &TfrmDruck::ZoomListClick);
    connect(ZoomTimer, &QTimer::timeout, this, &TfrmDruck::ZoomTimerTimer);
    connect(seCopies, &QSpinBox::valueChanged, this, &TfrmDruck::seCopiesChange);

    FormShow();
}

int TfrmDruck::showPages()
{
    Prn->pagesChanged();
    FormShow();
    return exec();
}

void TfrmDruck::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmDruck::FormShow()
{
    lblPage->setText(QStringLiteral("%1 von %2").arg(Prn->currentPage()).arg(Prn->pageCount()));
}

void TfrmDruck::btnPrevPageClick()
{
    if (Prn->currentPage() > 1) {
        Prn->setCurrentPage(Prn->currentPage() - 1);
        FormShow();
    }
}

void TfrmDruck::btnNextPageClick()
{
    if (Prn->currentPage() < Prn->pageCount()) {
        Prn->setCurrentPage(Prn->currentPage() + 1);
        FormShow();
    }
}

void TfrmDruck::ZoomListClick(int index)
{
    static const int fixed[] = {200, 175, 150, 125, 100, 75, 50, 25};
    if (index >= 0 && index < 8)
        Prn->setZoom(fixed[index]);
    else if (index == 8)
        Prn->zoomToWidth();
    else if (index == 9)
        Prn->zoomToHeight();
    else if (index == 10)
        Prn->zoomToPage();
    else
        return;
    ZoomTimer->start();
}

void TfrmDruck::ZoomTimerTimer()
{
    ZoomTimer->stop();
    ZoomList->setEditText(QString::number(Prn->zoom()) + QLatin1Char('%'));
}

void TfrmDruck::ZoomListKeyPress()
{
    bool ok = false;
    const int percent = ZoomList->currentText().trimmed().toInt(&ok);
    // A zoom of nothing (or of a thousand times the page) shows no usable
    // page, so such numbers are ignored like any other text.
    if (ok && percent >= TPageView::kMinZoom && percent <= TPageView::kMaxZoom)
        Prn->setZoom(percent);
}

bool TfrmDruck::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == ZoomList || watched == ZoomList->lineEdit()) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ZoomListKeyPress();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmDruck::seCopiesChange(int value)
{
    m_prn.setCopies(value);
}

void TfrmDruck::bbPrintClick()
{
    if (m_prn.pageCount() == 0) {
        if (m_platform.messages)
            m_platform.messages->information(this, nothingToPrintText());
        return;
    }
    QString error;
    if (!m_printer.printPages(m_prn, error) && m_platform.messages)
        m_platform.messages->error(this, error);
}

void TfrmDruck::bbPdfClick()
{
    if (m_prn.pageCount() == 0) {
        if (m_platform.messages)
            m_platform.messages->information(this, nothingToPrintText());
        return;
    }
    if (!m_platform.files || !m_platform.files->exec(this, m_pdfDialog))
        return;
    m_pdfDialog.fileName = m_pdfDialog.withDefaultSuffix(m_pdfDialog.fileName);
    writePdf(m_pdfDialog.fileName);
}

void TfrmDruck::writePdf(const QString &fileName)
{
    if (!writePdfFile(m_prn, fileName) && m_platform.messages)
        m_platform.messages->error(this, LeagueError::cannotWrite(fileName));
}

void TfrmDruck::bbHilfeClick()
{
    if (m_platform.help)
        m_platform.help->showContext(this, 8);
}
