#include "app/frmkiesbasis.h"

#include "board/exerciselayout.h"
#include "board/forms.h"
#include "board/geometry.h"

#include <QHash>
#include <algorithm>

namespace getalveld {

namespace {

constexpr quint32 green = 0x00009B00;

// The pieces of a blackboard text; each piece stands on its own line after a line break,
// with an empty line between pieces.
QString lines(std::initializer_list<const char *> pieces)
{
    QString text;
    bool first = true;
    for (const char *piece : pieces) {
        text += first ? QStringLiteral("\r\n") : QStringLiteral("\r\n\r\n");
        text += QString::fromUtf8(piece);
        first = false;
    }
    return text;
}

const QHash<QString, QString> &boardTexts()
{
    static const QHash<QString, QString> texts = [] {
        QHash<QString, QString> t;
        const QString find = lines({"tabulon ", " een getal op het tabulon plaatsen ", " hulp mogelijk"});
        t.insert(QStringLiteral("cmdtabulonzoek"), find);
        t.insert(QStringLiteral("cmdtabulonlees"), find);
        t.insert(QStringLiteral("cmdtabulonplaats"),
                 lines({"tabulon ", " een getal op het tabulon plaatsen ", " reeks met 10 oefeningen"}));
        t.insert(QStringLiteral("cmdtabulontellen"),
                 lines({"tabulon ", " meer of minder op het tabulon  ", " reeks met 10 oefeningen"}));
        t.insert(QStringLiteral("cmdtabulontelt"),
                 lines({"tabulon ", " afstand tussen 2 getallen bekijken ", " aftrekking en optelling aantonen "}));
        t.insert(QStringLiteral("cmdbewerk"), lines({"tabulon ", " beweging op het tabulon volgen ",
                                                     " tussenstappen bij bewerking maken", " verschil en uitkomst bepalen"}));
        t.insert(QStringLiteral("cmdtabulonplus"),
                 lines({"tabulon ", " bewerking op het tabulon  ", " optellen", " hulp mogelijk"}));
        t.insert(QStringLiteral("cmdveldmin"),
                 lines({"tabulon ", " bewerking op het tabulon  ", " aftrekken", " hulp mogelijk"}));
        const QString field = lines({"duizendveld ", " een getal op het duizendveld plaatsen ", " hulp mogelijk"});
        t.insert(QStringLiteral("cmd1000veld"), field);
        t.insert(QStringLiteral("cmd1000zoek2"), field);
        t.insert(QStringLiteral("cmd1000veldplus"),
                 lines({"duizendveld ", " bewerking op het duizendveld  ", " optellen", " hulp mogelijk"}));
        t.insert(QStringLiteral("cmd1000veldmin"),
                 lines({"duizendveld ", " bewerking op het duizendveld  ", " aftrekken", " hulp mogelijk"}));
        t.insert(QStringLiteral("lbldrie"), lines({"tabulon ", " duizendveld  ", " oefenkansen"}));
        return t;
    }();
    return texts;
}

struct Person
{
    const char *name;
    int left, top, width, height;
};
constexpr std::array<Person, 6> personCycle = {{{"imgmeisje", 120, 0, 3000, 6465},
                                                {"imgwit", 240, 1920, 3180, 4125},
                                                {"imgchinees", 480, 480, 2250, 5820},
                                                {"imgkleur", 0, 1920, 3750, 4155},
                                                {"imgkleur2", 720, 1200, 1500, 4785},
                                                {"imgkleur3", 120, 120, 3405, 6000}}};

} // namespace

QString boardText(const QString &control)
{
    return boardTexts().value(control);
}

// What a screen reader says for each picture button: the exercise it opens.
static QString spokenName(const QString &button)
{
    static const QHash<QString, QString> names{
        {QStringLiteral("cmdtabulon"), QStringLiteral("zoeken met kolom en rij op het tabulon")},
        {QStringLiteral("cmdtabulonzoek"), QStringLiteral("zoek het getal op het tabulon")},
        {QStringLiteral("cmdtabulonlees"), QStringLiteral("lees het getal in woorden en zoek het op het tabulon")},
        {QStringLiteral("cmdtabulontelt"), QStringLiteral("tellen op het tabulon")},
        {QStringLiteral("cmdbewerk"), QStringLiteral("bewegingen en bewerkingen op het tabulon")},
        {QStringLiteral("cmdtabulonplus"), QStringLiteral("optellen op het tabulon")},
        {QStringLiteral("cmdveldmin"), QStringLiteral("aftrekken op het tabulon")},
        {QStringLiteral("cmdtabulonplaats"), QStringLiteral("plaats het getal op het tabulon")},
        {QStringLiteral("cmdtabulontellen"), QStringLiteral("meer of minder op het tabulon")},
        {QStringLiteral("cmdtabulonrijen"), QStringLiteral("vul in op het tabulon")},
        {QStringLiteral("cmd1000veld"), QStringLiteral("zoek het getal op het duizendveld")},
        {QStringLiteral("cmd1000zoek2"), QStringLiteral("lees het getal in woorden en zoek het op het duizendveld")},
        {QStringLiteral("cmd1000veldplus"), QStringLiteral("optellen op het duizendveld")},
        {QStringLiteral("cmd1000veldmin"), QStringLiteral("aftrekken op het duizendveld")},
    };
    return names.value(button);
}

const std::vector<frmkiesbasis::ExerciseButton> &frmkiesbasis::exerciseButtons()
{
    static const std::vector<ExerciseButton> list = {
        {"cmdtabulon", 4440, 4440, "balloons", "frmtabulon", 17},
        {"cmdtabulonzoek", 5520, 4440, "mouse", "frmtabulonzoek", 7},
        {"cmdtabulonlees", 6600, 4440, "robot", "frmtabulonzoek2", 12},
        {"cmdtabulontelt", 7680, 4440, "balloons", "frmtabulontel", 14},
        {"cmdbewerk", 8760, 4440, "star", "frmtabulonzoek3", 3},
        {"cmdtabulonplus", 4440, 5160, "duck", "frmtabulonplus", 9},
        {"cmdveldmin", 5520, 5160, "icelolly", "frmtabulonmin", 8},
        {"cmdtabulonplaats", 6600, 5160, "dumptruck", "frmtabulonplaats", 5},
        {"cmdtabulontellen", 7680, 5160, "candle", "frmtabulontellen", 11},
        {"cmdtabulonrijen", 8760, 5160, "musicnote", "Frmtabulonrijen", 18},
        {"cmd1000veld", 4440, 6600, "fishbowl", "frmduizendveld", 6},
        {"cmd1000zoek2", 5520, 6600, "saucer", "frmduizendveld2", 4},
        {"cmd1000veldplus", 6600, 6600, "sun", "frmduizendveldplus", 10},
        {"cmd1000veldmin", 7680, 6600, "castle", "frmduizendveldmin", 13},
    };
    return list;
}

frmkiesbasis::frmkiesbasis()
    : Screen(QStringLiteral("KEUZEBORD"), screenWidthTwips, screenHeightTwips, colour::white)
{
    for (size_t i = 0; i < personCycle.size(); ++i) {
        const Person &p = personCycle[i];
        people[i] = new Image(this, QString::fromLatin1(p.name), twipsRect(p.left, p.top, p.width, p.height),
                              QStringLiteral("person%1").arg(i + 1));
        people[i]->setToolTip(QStringLiteral("klik"));
        people[i]->setVisible(i == 0);
        connect(people[i], &Image::clicked, this, [this, i] { person_Click(int(i)); });
    }

    imgbord = new Image(this, QStringLiteral("imgbord"), twipsRect(5280, 0, 5310, 3750), QStringLiteral("blackboard"));
    lblbord = (new Label(this, QStringLiteral("lblbord"), twipsRect(5640, 360, 4575, 3015)))
                  ->look(0x00008000, colour::white, font::arial, 12);

    // The green panel lies behind the buttons; its strips between them carry the overview.
    lbldrie = (new Label(this, QStringLiteral("lbldrie"), twipsRect(3840, 3840, 8055, 4095)))->look(green, colour::white, font::arial, 8);
    lbldrie->reportMouseMoves();
    connect(lbldrie, &Label::mouseMoved, this, [this] { showBoardText(QStringLiteral("lbldrie")); });
    lbl100 = (new Label(this, QStringLiteral("lbl100"), twipsRect(4440, 3960, 3015, 375)))
                 ->look(green, 0x00FFC0C0, font::arial, 14.25, false, Align::Left);
    lbl100->setCaption(QStringLiteral("tabulon"));
    Label1 = (new Label(this, QStringLiteral("Label1"), twipsRect(4440, 6120, 3015, 375)))
                 ->look(green, 0x00FFC0C0, font::arial, 14.25, false, Align::Left);
    Label1->setCaption(QStringLiteral("duizendveld"));

    std::vector<std::pair<int, QWidget *>> tabOrder;
    for (const ExerciseButton &b : exerciseButtons()) {
        const QString name = QString::fromLatin1(b.name);
        const QString screen = QString::fromLatin1(b.screen);
        auto *button = new CommandButton(this, name, twipsRect(b.left, b.top, 975, 645));
        button->setBackColor(0x00E0E0E0);
        button->setPicture(QString::fromLatin1(b.picture));
        button->setAccessibleName(spokenName(name));
        button->reportMouseMoves();
        const bool disables = name == QLatin1String("cmdtabulon") || name == QLatin1String("cmdtabulonrijen");
        connect(button, &CommandButton::clicked, this, [this, screen, disables] { exercise_Click(screen, disables); });
        if (!boardText(name).isEmpty())
            connect(button, &CommandButton::mouseMoved, this, [this, name] { showBoardText(name); });
        buttons.push_back(button);
        tabOrder.emplace_back(b.tabIndex, button);
    }

    cmdeinde = new CommandButton(this, QStringLiteral("cmdeinde"), twipsRect(120, 6840, 1815, 735));
    cmdeinde->setBackColor(0x00000080);
    cmdeinde->setPicture(QStringLiteral("stop"));
    cmdeinde->setToolTip(QStringLiteral("tot de volgende keer"));
    cmdeinde->setAccessibleName(QStringLiteral("einde"));
    connect(cmdeinde, &CommandButton::clicked, this, &frmkiesbasis::cmdeinde_Click);
    tabOrder.emplace_back(0, cmdeinde);

    Image2 = makeLogo(this, QStringLiteral("Image2"), twipsRect(2760, 6240, 480, 420));

    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

void frmkiesbasis::Form_Load()
{
    centre();
    // Tab position 0: the end button has the keyboard focus when the board first shows.
    cmdeinde->setFocus();
}

void frmkiesbasis::exercise_Click(const QString &screen, bool disablesMainFrame)
{
    // A button whose exercise is not in the program does nothing.
    if (!forms().isRegistered(screen))
        return;
    forms().show(screen);
    if (disablesMainFrame)
        forms().setMainFrameEnabled(false);
    forms().hide(objectName());
    hideScreensLeftOpen(screen);
}

void frmkiesbasis::cmdeinde_Click()
{
    forms().show(QStringLiteral("frminfo"));
    forms().hide(objectName());
    hideScreensLeftOpen(QStringLiteral("frminfo"));
    forms().setMainFrameEnabled(true);
}

// The menu can show the board beside an exercise that stays open. When the pupil leaves the
// board for another screen, that exercise goes too, so that again one screen is shown (and
// the closing screen always alone); it keeps its state, as every hidden screen does.
void frmkiesbasis::hideScreensLeftOpen(const QString &shown)
{
    for (Screen *s : forms().loadedScreens())
        if (s != this && s->objectName() != shown && s->isVisible())
            forms().hide(s->objectName());
}

void frmkiesbasis::person_Click(int index)
{
    people[size_t(index)]->hide();
    people[size_t(index + 1) % people.size()]->show();
}

void frmkiesbasis::showBoardText(const QString &control)
{
    lblbord->setCaption(boardText(control));
}

} // namespace getalveld
