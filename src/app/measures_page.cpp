#include "app/measures_page.h"

#include <QFile>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/widgets.h"

namespace lumtar {

QString LayOutMeasures(const QString& officialText) {
    const QStringList lines = officialText.split(QLatin1Char('\n'));
    QStringList out;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i].trimmed();
        if (line.isEmpty()) {
            out << QString();
        } else if (i < 2) {
            // The title and the decree number stand in the middle of the line.
            out << QString(i == 0 ? 18 : 17, QChar(0x3000)) + line;
        } else {
            out << QStringLiteral("\u3000\u3000") + line;
        }
    }
    while (!out.isEmpty() && out.back().isEmpty()) out.removeLast();
    return out.join(QLatin1Char('\n'));
}

MeasuresPage::MeasuresPage(QWidget* parent) : Page(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* richEdit = new QTextEdit(this);
    richEdit->setObjectName(QStringLiteral("RichEdit1"));
    richEdit->setReadOnly(true);
    richEdit->setFont(SongTi(13));
    SetBaseColor(richEdit, colors::kCream);
    SetTextColor(richEdit, colors::kBlack);
    richEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    richEdit->setAccessibleName(QStringLiteral("诉讼费用交纳办法"));

    layout->addWidget(richEdit);
    richEdit_ = richEdit;
}

void MeasuresPage::showEvent(QShowEvent* event) {
    // The text is laid out when the page is first shown, not at start-up: most
    // sessions never open it, and its hundreds of glyphs cost time and memory.
    if (richEdit_->document()->isEmpty()) {
        QFile file(QStringLiteral(":/measures-481.txt"));
        if (file.open(QIODevice::ReadOnly))
            richEdit_->setPlainText(LayOutMeasures(QString::fromUtf8(file.readAll())));
    }
    Page::showEvent(event);
}

}  // namespace lumtar
