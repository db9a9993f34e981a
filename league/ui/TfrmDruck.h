#pragma once

#include "league/ui/PlatformSeams.h"

#include <QAbstractScrollArea>
#include <QDialog>

class PrinterSeam;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;
class TPageWriter;

// The page view of the preview: shows one stored page of the writer at a
// zoom in percent of its real size, placed at the top-left and scrolled
// when it is larger than the view.
class TPageView : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 1000;

    TPageView(const TPageWriter &pages, QWidget *parent = nullptr);

    int pageCount() const;
    int currentPage() const { return m_page; }
    // Clamped to 1..pageCount().
    void setCurrentPage(int page);

    int zoom() const { return m_zoom; }
    // Clamped to kMinZoom..kMaxZoom; the view scrolls back to the page's
    // top-left corner.
    void setZoom(int percent);
    void zoomToWidth();
    void zoomToHeight();
    void zoomToPage();

    // The page's size in screen pixels at the current zoom.
    QSize pageSizePixels() const;

    // Reread the page store after a new document.
    void pagesChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    double pixelsPerMmX() const;
    double pixelsPerMmY() const;
    void updateScrollBars();

    const TPageWriter &m_pages;
    int m_page = 1;
    int m_zoom = 25;
};

// The print preview "Druckvorschau": pages, zoom, copies, printing to the
// default printer and saving the pages as a PDF.
class TfrmDruck : public QDialog {
    Q_OBJECT

public:
    TfrmDruck(TPageWriter &prn, PrinterSeam &printer, const UiPlatform &platform,
              QWidget *parent = nullptr);

    // Shows the pages of the last print command modally, from page 1.
    int showPages();

    TPageView *Prn = nullptr;
    QPushButton *bbPrint = nullptr;
    QPushButton *bbPdf = nullptr;
    QPushButton *bbOK = nullptr;
    QPushButton *bbHilfe = nullptr;
    QSpinBox *seCopies = nullptr;
    QComboBox *ZoomList = nullptr;
    QLabel *lblPage = nullptr;
    QToolButton *btnPrevPage = nullptr;
    QToolButton *btnNextPage = nullptr;
    QTimer *ZoomTimer = nullptr;

    void FormShow();
    void btnPrevPageClick();
    void btnNextPageClick();
    void ZoomListClick(int index);
    void ZoomTimerTimer();
    // Enter in the zoom list: a whole number becomes the zoom.
    void ZoomListKeyPress();
    void seCopiesChange(int value);
    void bbPrintClick();
    void bbPdfClick();
    void bbHilfeClick();

    static QString nothingToPrintText() { return QStringLiteral("Hier gibts nichts zu drucken."); }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void writePdf(const QString &fileName);

    TPageWriter &m_prn;
    PrinterSeam &m_printer;
    UiPlatform m_platform;
    FileDialogState m_pdfDialog;
};
