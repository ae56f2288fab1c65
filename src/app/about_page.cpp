#include "app/about_page.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/artwork.h"
#include "app/widgets.h"

namespace lumtar {

AboutPage::AboutPage(const Shell& shell, QWidget* parent) : Page(parent) {
    auto* panel4 = Make<QFrame>(this, "Panel4", 0, 0, 617, 290);
    panel4->setFrameShape(QFrame::Panel);
    panel4->setFrameShadow(QFrame::Sunken);

    auto* image1 = Make<QLabel>(panel4, "Image1", 25, 56, 93, 123);
    image1->setPixmap(AboutPicture(QSize(93, 123)));
    image1->setScaledContents(true);

    auto* shape1 = Make<QFrame>(panel4, "Shape1", 124, 24, 4, 241);
    shape1->setFrameShape(QFrame::VLine);
    auto* shape2 = Make<QFrame>(panel4, "Shape2", 56, 40, 382, 1);
    shape2->setFrameShape(QFrame::HLine);

    auto* memo1 = Make<QPlainTextEdit>(panel4, "Memo1", 162, 56, 319, 185);
    memo1->setReadOnly(true);
    memo1->setFrameShape(QFrame::NoFrame);
    memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1->setFont(SongTi(13));
    SetBaseColor(memo1, palette().color(QPalette::Button));
    const QString release = ToQString(shell.release.name);
    memo1->setPlainText(QStringLiteral("Lumtar 法院诉讼费用计算器 %1\n"
                                       "\n"
                                       "依据《诉讼费用交纳办法》（国务院令第481号）\n"
                                       "计算案件受理费、申请费及诉讼费分担；\n"
                                       "依据中国人民银行贷款基准利率计算\n"
                                       "迟延履行期间的债务利息与逾期违约金；\n"
                                       "计算期限届满日与两日期之间的间隔。\n"
                                       "\n"
                                       "计算结果仅供参考，以法律文书为准。\n"
                                       "Orvane 原创法律软件")
                            .arg(release));
}

}  // namespace lumtar
