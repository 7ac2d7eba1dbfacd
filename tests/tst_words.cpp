#include "board/numberwords.h"

#include <QTest>

using namespace getalveld;

// Written out by hand, row by row, so that a slip in the rules of numberWord shows here.
static const char *const expectedWords[100] = {
    "nul", "een", "twee", "drie", "vier", "vijf", "zes", "zeven", "acht", "negen",
    "tien", "elf", "twaalf", "dertien", "veertien", "vijftien", "zestien", "zeventien", "achttien", "negentien",
    "twintig", "eenentwintig", "tweeëntwintig", "drieëntwintig", "vierentwintig",
    "vijfentwintig", "zesentwintig", "zevenentwintig", "achtentwintig", "negenentwintig",
    "dertig", "eenendertig", "tweeëndertig", "drieëndertig", "vierendertig",
    "vijfendertig", "zesendertig", "zevenendertig", "achtendertig", "negenendertig",
    "veertig", "eenenveertig", "tweeënveertig", "drieënveertig", "vierenveertig",
    "vijfenveertig", "zesenveertig", "zevenenveertig", "achtenveertig", "negenenveertig",
    "vijftig", "eenenvijftig", "tweeënvijftig", "drieënvijftig", "vierenvijftig",
    "vijfenvijftig", "zesenvijftig", "zevenenvijftig", "achtenvijftig", "negenenvijftig",
    "zestig", "eenenzestig", "tweeënzestig", "drieënzestig", "vierenzestig",
    "vijfenzestig", "zesenzestig", "zevenenzestig", "achtenzestig", "negenenzestig",
    "zeventig", "eenenzeventig", "tweeënzeventig", "drieënzeventig", "vierenzeventig",
    "vijfenzeventig", "zesenzeventig", "zevenenzeventig", "achtenzeventig", "negenenzeventig",
    "tachtig", "eenentachtig", "tweeëntachtig", "drieëntachtig", "vierentachtig",
    "vijfentachtig", "zesentachtig", "zevenentachtig", "achtentachtig", "negenentachtig",
    "negentig", "eenennegentig", "tweeënnegentig", "drieënnegentig", "vierennegentig",
    "vijfennegentig", "zesennegentig", "zevenennegentig", "achtennegentig", "negenennegentig",
};

class NumberWords : public QObject
{
    Q_OBJECT

private slots:
    // Every word a pupil can be asked to read, against the table above.
    void everyNumberWord()
    {
        for (int n = 0; n < 100; ++n)
            QCOMPARE(numberWord(n), QString::fromUtf8(expectedWords[n]));
    }

    // The diaeresis is one character, U+00EB, and survives into the QString.
    void diaeresisIsOneCodePoint()
    {
        const QString word = numberWord(22);
        QCOMPARE(word.size(), 13);
        QCOMPARE(word.at(4), QChar(0x00EB));
        QVERIFY(!numberWord(21).contains(QChar(0x00EB)));
        QVERIFY(!numberWord(24).contains(QChar(0x00EB)));
    }

    void remainderWords_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("word");
        QTest::newRow("0") << 0 << "nul";
        QTest::newRow("1 takes en") << 1 << "en een";
        QTest::newRow("5") << 5 << "en vijf";
        QTest::newRow("12 is the last with en") << 12 << "en twaalf";
        QTest::newRow("13 has none") << 13 << "dertien";
        QTest::newRow("20") << 20 << "twintig";
        QTest::newRow("33") << 33 << QString::fromUtf8("drieëndertig");
        QTest::newRow("99") << 99 << "negenennegentig";
        QTest::newRow("100") << 100 << "honderd";
    }
    void remainderWords()
    {
        QFETCH(int, r);
        QFETCH(QString, word);
        QCOMPARE(remainderWord(r), word);
    }

    void hundredsWords()
    {
        const QStringList expected = {"", "honderd", "tweehonderd", "driehonderd", "vierhonderd",
                                      "vijfhonderd", "zeshonderd", "zevenhonderd", "achthonderd", "negenhonderd"};
        for (int h = 0; h <= 9; ++h)
            QCOMPARE(hundredsWord(h), expected.at(h));
        QVERIFY(hundredsWord(0).isEmpty());
    }
};

QTEST_GUILESS_MAIN(NumberWords)
#include "tst_words.moc"
