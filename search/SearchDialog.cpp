#include "search/SearchDialog.h"

#include "platform/ChoiceBox.h"
#include "platform/ClassicLook.h"
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

SearchDialog::SearchDialog(const SiteConfig &site)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_site(site)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Search for Item"));
    setFont(classicFont(QStringLiteral("Tahoma"), 8.25));
    setFixedSize(twipsToPixelsX(this, kClientWidthTwips), twipsToPixelsY(this, kClientHeightTwips));

    m_frame = new QGroupBox(this);
    placeInTwips(m_frame, 120, 60, 6240, 4560);
    setupFields();
    setupButtons();

    // Part of the form but kept out of sight: every request carries its text.
    m_currencyBox = addChoiceBox(this, "currencyBox", currencyTexts(), QString(), 1680, 4960, 2000);
    m_currencyBox->setCurrentIndex(-1);
    m_currencyBox->hide();

    QWidget *tabOrder[] = {m_titleBox,      m_wordCombinationBox, m_excludedWordsBox, m_categoryBox,
                           m_countryBox,    m_lowestPriceBox,     m_highestPriceBox,  m_sortOrderBox,
                           m_resultViewBox, m_searchButton,       m_cancelButton,     m_currencyBox};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    m_titleBox->setFocus();
    centreOnScreen(this);
}

QLabel *SearchDialog::addLabel(QWidget *parent, const QString &caption, double left, double top, double width)
{
    auto *label = new QLabel(caption, parent);
    placeInTwips(label, left, top, width, kLabelHeight);
    return label;
}

QLineEdit *SearchDialog::addTextBox(const char *name, double left, double top, double width)
{
    auto *box = new QLineEdit(m_frame);
    box->setObjectName(name);
    placeInTwips(box, left, top, width, kFieldHeight);
    return box;
}

QComboBox *SearchDialog::addChoiceBox(QWidget *parent, const char *name, const QStringList &entries,
                                      const QString &text, double left, double top, double width)
{
    auto *box = new ChoiceBox(entries, parent);
    box->setObjectName(name);
    box->setText(text);
    box->lineEdit()->setCursorPosition(0);
    placeInTwips(box, left, top, width, kFieldHeight);
    return box;
}

void SearchDialog::setupFields()
{
    const SearchFields initial = initialSearchFields();

    addLabel(m_frame, QStringLiteral("Search Title:"), 240, 240, 3600);
    m_titleBox = addTextBox("titleBox", 240, 480, 3600);
    m_wordCombinationBox =
        addChoiceBox(m_frame, "wordCombinationBox", wordCombinationTexts(), initial.wordCombination, 3960, 480, 2040);

    addLabel(m_frame, QStringLiteral("Words to Exclude from Search:"), 240, 960, 5760);
    m_excludedWordsBox = addTextBox("excludedWordsBox", 240, 1200, 5760);

    addLabel(m_frame, QStringLiteral("Search in Categories:"), 240, 1680, 2760);
    m_categoryBox = addChoiceBox(m_frame, "categoryBox", categoryTexts(), initial.category, 240, 1920, 2760);
    addLabel(m_frame, QStringLiteral("Country:"), 3240, 1680, 2760);
    m_countryBox = addChoiceBox(m_frame, "countryBox", countryTexts(), initial.country, 3240, 1920, 2760);

    addLabel(m_frame, QStringLiteral("Priced Between"), 240, 2580, 1200);
    addLabel(m_frame, QStringLiteral("$"), 1460, 2580, 150);
    m_lowestPriceBox = addTextBox("lowestPriceBox", 1620, 2550, 1080);
    addLabel(m_frame, QStringLiteral("and"), 2820, 2580, 360);
    addLabel(m_frame, QStringLiteral("$"), 3200, 2580, 150);
    m_highestPriceBox = addTextBox("highestPriceBox", 3360, 2550, 1080);

    addLabel(m_frame, QStringLiteral("Sort By:"), 240, 3060, 2760);
    m_sortOrderBox = addChoiceBox(m_frame, "sortOrderBox", sortOrderTexts(), initial.sortOrder, 240, 3300, 2760);
    addLabel(m_frame, QStringLiteral("View Results:"), 3240, 3060, 2760);
    m_resultViewBox = addChoiceBox(m_frame, "resultViewBox", resultViewTexts(), initial.resultView, 3240, 3300, 2760);
}

void SearchDialog::setupButtons()
{
    m_cancelButton = new QPushButton(QStringLiteral("&Cancel"), m_frame);
    m_cancelButton->setObjectName("cancelButton");
    placeInTwips(m_cancelButton, 3480, 3960, 1215, 375);
    m_searchButton = new QPushButton(QStringLiteral("&Search"), m_frame);
    m_searchButton->setObjectName("searchButton");
    placeInTwips(m_searchButton, 4785, 3960, 1215, 375);
    m_searchButton->setDefault(true);
    connect(m_searchButton, &QPushButton::clicked, this, &SearchDialog::search);
    connect(m_cancelButton, &QPushButton::clicked, this, &SearchDialog::close);
}

SearchFields SearchDialog::fields() const
{
    SearchFields fields;
    fields.titleWords = m_titleBox->text();
    fields.wordCombination = m_wordCombinationBox->currentText();
    fields.excludedWords = m_excludedWordsBox->text();
    fields.category = m_categoryBox->currentText();
    fields.country = m_countryBox->currentText();
    fields.currency = m_currencyBox->currentText();
    fields.lowestPrice = m_lowestPriceBox->text();
    fields.highestPrice = m_highestPriceBox->text();
    fields.sortOrder = m_sortOrderBox->currentText();
    fields.resultView = m_resultViewBox->currentText();
    return fields;
}

void SearchDialog::search()
{
    emit searchRequested(searchRequestAddress(m_site, fields()));
    close();
}

void SearchDialog::keyPressEvent(QKeyEvent *event)
{
    // "&Cancel" is no escape button: Esc leaves the form and its entries alone.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
