#include "search/Search.h"

#include "app/core/WatchTabs.h"
#include "platform/BrowserView.h"
#include "platform/ChoiceBox.h"
#include "platform/ClassicLook.h"
#include "platform/TabStrip.h"
#include "platform/TwipsGeometry.h"
#include "platform/WindowPlacement.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>

namespace {

constexpr double kClientWidthTwips = 6480;
constexpr double kClientHeightTwips = 4740;
constexpr double kLabelHeight = 255;
constexpr double kFieldHeight = 315;

} // namespace

Search::Search(TabStrip *tabs, BrowserView *servicesView, const SiteConfig &site)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_tabs(tabs)
    , m_servicesView(servicesView)
    , m_site(site)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Search for Item"));
    setFont(classicFont(QStringLiteral("Tahoma"), 8.25));
    setFixedSize(twipsToPixelsX(this, kClientWidthTwips), twipsToPixelsY(this, kClientHeightTwips));

    Frame1 = new QGroupBox(this);
    placeInTwips(Frame1, 120, 60, 6240, 4560);
    setupFields();
    setupButtons();

    // Part of the form but kept out of sight: every request carries its text.
    Label10 = addLabel(this, QStringLiteral("Auction Currency:"), 120, 5000, 1500);
    Combo5 = addChoiceBox(this, currencyTexts(), QString(), 1680, 4960, 2000);
    Combo5->setCurrentIndex(-1);
    Label10->hide();
    Combo5->hide();

    QWidget *tabOrder[] = {Text1, Combo1, Text2, Combo2, Combo3, Text3,
                           Text4, Combo6, Combo4, Command1, Command2, Combo5};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    Text1->setFocus();
    centreOnScreen(this);
}

QLabel *Search::addLabel(QWidget *parent, const QString &caption, double left, double top, double width)
{
    auto *label = new QLabel(caption, parent);
    placeInTwips(label, left, top, width, kLabelHeight);
    return label;
}

QLineEdit *Search::addTextBox(double left, double top, double width)
{
    auto *box = new QLineEdit(Frame1);
    placeInTwips(box, left, top, width, kFieldHeight);
    return box;
}

QComboBox *Search::addChoiceBox(QWidget *parent, const QStringList &entries, const QString &text, double left,
                                double top, double width)
{
    auto *box = new ChoiceBox(entries, parent);
    box->setText(text);
    box->lineEdit()->setCursorPosition(0);
    placeInTwips(box, left, top, width, kFieldHeight);
    return box;
}

void Search::setupFields()
{
    const SearchFields initial = initialSearchFields();

    addLabel(Frame1, QStringLiteral("Search Title:"), 240, 240, 3600);
    Text1 = addTextBox(240, 480, 3600);
    Combo1 = addChoiceBox(Frame1, wordCombinationTexts(), initial.wordCombination, 3960, 480, 2040);

    addLabel(Frame1, QStringLiteral("Words to Exclude from Search:"), 240, 960, 5760);
    Text2 = addTextBox(240, 1200, 5760);

    addLabel(Frame1, QStringLiteral("Search in Categories:"), 240, 1680, 2760);
    Combo2 = addChoiceBox(Frame1, categoryTexts(), initial.category, 240, 1920, 2760);
    addLabel(Frame1, QStringLiteral("Country:"), 3240, 1680, 2760);
    Combo3 = addChoiceBox(Frame1, countryTexts(), initial.country, 3240, 1920, 2760);

    addLabel(Frame1, QStringLiteral("Priced Between"), 240, 2580, 1200);
    addLabel(Frame1, QStringLiteral("$"), 1460, 2580, 150);
    Text3 = addTextBox(1620, 2550, 1080);
    addLabel(Frame1, QStringLiteral("and"), 2820, 2580, 360);
    addLabel(Frame1, QStringLiteral("$"), 3200, 2580, 150);
    Text4 = addTextBox(3360, 2550, 1080);

    addLabel(Frame1, QStringLiteral("Sort By:"), 240, 3060, 2760);
    Combo6 = addChoiceBox(Frame1, sortOrderTexts(), initial.sortOrder, 240, 3300, 2760);
    addLabel(Frame1, QStringLiteral("View Results:"), 3240, 3060, 2760);
    Combo4 = addChoiceBox(Frame1, resultViewTexts(), initial.resultView, 3240, 3300, 2760);
}

void Search::setupButtons()
{
    Command2 = new QPushButton(QStringLiteral("&Cancel"), Frame1);
    placeInTwips(Command2, 3480, 3960, 1215, 375);
    Command1 = new QPushButton(QStringLiteral("&Search"), Frame1);
    placeInTwips(Command1, 4785, 3960, 1215, 375);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Search::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Search::Command2_Click);
}

SearchFields Search::fields() const
{
    SearchFields fields;
    fields.titleWords = Text1->text();
    fields.wordCombination = Combo1->currentText();
    fields.excludedWords = Text2->text();
    fields.category = Combo2->currentText();
    fields.country = Combo3->currentText();
    fields.currency = Combo5->currentText();
    fields.lowestPrice = Text3->text();
    fields.highestPrice = Text4->text();
    fields.sortOrder = Combo6->currentText();
    fields.resultView = Combo4->currentText();
    return fields;
}

void Search::Command1_Click()
{
    if (m_tabs)
        m_tabs->setTabCaption(kServicesTab, searchingCaption());
    if (m_servicesView)
        m_servicesView->Navigate(searchRequestAddress(m_site, fields()));
    if (m_tabs)
        m_tabs->setTab(kServicesTab);
    close();
}

void Search::Command2_Click()
{
    close();
}

void Search::keyPressEvent(QKeyEvent *event)
{
    // "&Cancel" is no escape button: Esc leaves the form and its entries alone.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
