#include "app/main_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>

#include "app/about_page.h"
#include "app/artwork.h"
#include "app/calculator.h"
#include "app/guard.h"
#include "app/measures_page.h"
#include "app/page.h"
#include "app/widgets.h"
#include "dates/date_page.h"
#include "fees/acceptance_page.h"
#include "fees/application_page.h"
#include "fees/apportion_window.h"
#include "fees/base_fee_window.h"
#include "fees/base_fees.h"
#include "online/online_services.h"
#include "rates/damages_page.h"
#include "rates/interest_page.h"

// Resources of a static library are registered by hand.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace lumtar {

namespace {
constexpr int kWidth = 625;
constexpr int kHeight = 449;

QString DefaultSiteUrl() {
    return QStringLiteral(LUMTAR_SITE_URL);
}
}  // namespace

TForm1::TForm1(const AppOptions& options, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      shell_(*options.release, options.files,
             options.siteUrl.isEmpty() ? DefaultSiteUrl() : options.siteUrl) {
    InitResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(shell_.release.caption));
    setFixedSize(kWidth, kHeight);
    move(293, 55);
    setFont(SongTi(11));
    shell_.mainWindow = this;

    buildHeader();
    buildAmountPanel();
    buildPages();
    buildBottomStrip();

    // Creation: the site settings accessor opens; link counter and kept fees
    // start at their first values inside the services that own them.
    shell_.siteSettings = shell_.files.siteSettings();
    shell_.keptFees = {};

    auto* speedButton9 = findChild<QAbstractButton*>(QStringLiteral("SpeedButton9"));
    online_ = new OnlineServices(
        shell_,
        OnlineControls{Panel11, WebBrowser1, speedButton9, Image3, Label32, Labelhttp, Timer1},
        this);

    // The two modal windows come after the main window.
    shell_.Form2 = new TForm2(shell_, this);
    shell_.frmfen = new Tfrmfen(shell_, this);
}

TForm1::~TForm1() = default;

void TForm1::buildHeader() {
    Panel3 = Make<QWidget>(this, "Panel3", 0, 0, kWidth, 57);
    Panel3->setFont(SongTi(12));
    Panel7 = Make<QWidget>(Panel3, "Panel7", 0, 0, kWidth, 57);
    WebBrowser1 = Make<QTextBrowser>(Panel7, "WebBrowser1", 0, 0, kWidth, 57);
    WebBrowser1->setFrameShape(QFrame::NoFrame);
    WebBrowser1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    WebBrowser1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    WebBrowser1->setOpenLinks(false);

    Panel11 = Make<QWidget>(Panel3, "Panel11", 0, 0, kWidth, 57);
    Image3 = Make<ClickLabel>(Panel11, "Image3", 0, 0, kWidth, 57);
    Image3->setPixmap(QPixmap(QStringLiteral(":/banner.png")));
    Image3->setScaledContents(true);
    Image3->setCursor(Qt::PointingHandCursor);
    Panel11->raise();

    Edit1 = Make<QLineEdit>(Panel3, "Edit1", 0, 0, 10, 10);
    Edit1->hide();
    shell_.Edit1 = Edit1;
}

void TForm1::buildAmountPanel() {
    Panel6 = Make<QFrame>(this, "Panel6", 0, 57, kWidth, 40);
    static_cast<QFrame*>(Panel6)->setFrameShape(QFrame::Panel);
    static_cast<QFrame*>(Panel6)->setFrameShadow(QFrame::Raised);

    auto* label33 =
        MakeLabel(Panel6, "Label33", QStringLiteral("标的金额"), 16, 12, SongTi(15, true));
    SetTextColor(label33, colors::kNavy);

    edtBd = Make<QLineEdit>(Panel6, "edtBd", 97, 6, 111, 25);
    edtBd->setFont(SongTi(17, true));
    edtBd->setMaxLength(11);
    edtBd->setAccessibleName(QStringLiteral("标的金额"));
    edtBd->installEventFilter(this);
    connect(edtBd, &QLineEdit::textChanged, this,
            [this] { Guarded(this, [this] { edtBdChange(); }); });
    shell_.edtBd = edtBd;

    auto* label8 = MakeLabel(Panel6, "Label8", QStringLiteral("元"), 214, 12, HeiTi(16));
    SetTextColor(label8, colors::kNavy);

    Label24 = MakeLabel(Panel6, "Label24", QString(), 252, 12, SongTi(15));
    Label24->setFixedSize(300, 18);
    shell_.Label24 = Label24;

    Image4 = Make<ClickLabel>(Panel6, "Image4", 560, 6, 24, 23);
    Image4->setPixmap(CalculatorIcon(QSize(24, 23)));
    Image4->setCursor(Qt::PointingHandCursor);
    Image4->setToolTip(QStringLiteral("打开计算器"));
    connect(Image4, &ClickLabel::clicked, this,
            [this] { Guarded(this, [this] { Image4Click(); }); });
}

void TForm1::buildPages() {
    PageControl1 = Make<QTabWidget>(this, "PageControl1", 0, 97, kWidth, 325);
    PageControl1->tabBar()->setFont(SongTi(13, true));
    PageControl1->setStyleSheet(
        QStringLiteral("QTabBar::tab { width: 70px; height: 25px; padding: 0px; color: black; }"));

    // The segment list shared by the interest and damages pages; never shown.
    auto* memo5 = new QPlainTextEdit(this);
    memo5->setObjectName(QStringLiteral("Memo5"));
    memo5->hide();
    shell_.Memo5 = memo5;

    struct Entry {
        const char* name;
        const char* caption;
        Page* page;
    };
    const Entry entries[] = {
        {"TabSheet1", "受理费", new AcceptanceFeePage(shell_)},
        {"TabSheet5", "申请费", new ApplicationFeePage(shell_)},
        {"TabSheet4", "迟延利息", new InterestPage(shell_)},
        {"TabSheet6", "违约金", new DamagesPage(shell_)},
        {"TabSheet2", "日期计算", new DatePage(shell_)},
        {"TabSheet8", "新办法", new MeasuresPage()},
        {"TabSheet3", "关于", new AboutPage(shell_)},
    };
    for (const Entry& e : entries) {
        e.page->setObjectName(QString::fromLatin1(e.name));
        PageControl1->addTab(e.page, QString::fromUtf8(e.caption));
        pages_.push_back(e.page);
    }
    PageControl1->setCurrentIndex(0);
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this] { Guarded(this, [this] { PageControl1Change(); }); });
}

void TForm1::buildBottomStrip() {
    Panel10 = Make<QFrame>(this, "Panel10", 0, kHeight - 27, kWidth, 27);
    Panel10->setFrameShape(QFrame::Panel);
    Panel10->setFrameShadow(QFrame::Raised);
    Panel10->setLineWidth(2);

    Label35 = MakeLabel(Panel10, "Label35", ToQString(shell_.release.copyright), 18, 6, SongTi(12));
    Label35->setFixedSize(190, 12);

    auto* bevel4 = Make<QFrame>(Panel10, "Bevel4", 280, 2, 245, 20);
    bevel4->setFrameShape(QFrame::Box);
    bevel4->setFrameShadow(QFrame::Sunken);

    Label32 = Make<ClickLabel>(Panel10, "Label32", 289, 6, 225, 13);
    Label32->setText(QStringLiteral("Orvane原创法律软件网站"));
    QFont linkFont = SongTi(13);
    linkFont.setUnderline(true);
    Label32->setFont(linkFont);
    Label32->setAlignment(Qt::AlignCenter);
    SetTextColor(Label32, colors::kNavy);
    Label32->setCursor(Qt::PointingHandCursor);
    Label32->setGeometry(289, 5, 225, 15);

    Labelhttp = Make<QLabel>(Panel10, "Labelhttp", 204, 6);
    Labelhttp->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
}

bool TForm1::event(QEvent* event) {
    const bool result = QWidget::event(event);
    // A return from another program is not an activation within the program.
    if (activation_.isActivation(event)) Guarded(this, [this] { FormActivate(); });
    return result;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtBd && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter clears the amount, and the change recomputes the page.
            Guarded(this, [this] {
                edtBd->setText(QString());
                edtBd->setFocus();
            });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Nothing is written on closing; running checks are not waited for.
    online_->shutdown();
    QWidget::closeEvent(event);
}

void TForm1::FormActivate() {
    online_->startCheck();
    edtBd->setFocus();
    shell_.baseFees = shell_.files.baseFees();
    writeBaseFeeCaption();
    emit activated();
}

void TForm1::writeBaseFeeCaption() {
    if (auto* button = findChild<QAbstractButton*>(QStringLiteral("SpeedButtonjishu")))
        button->setText(BaseFeeCaption(ReadBaseFees(shell_.baseFees)));
}

void TForm1::PageControl1Change() {
    pages_.at(static_cast<std::size_t>(PageControl1->currentIndex()))->recompute();
}

void TForm1::edtBdChange() {
    // Only the four computing pages react; the others recompute nothing.
    PageControl1Change();
}

void TForm1::Image4Click() {
    StartCalculator(this);
}

}  // namespace lumtar
