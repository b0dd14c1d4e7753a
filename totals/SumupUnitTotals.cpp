#include "totals/SumupUnitTotals.h"

#include "core/data/Teeth.h"
#include "platform/rtl/DataFile.h"

#include <QStringList>

namespace {

// The codes that have a column, in column order.
constexpr int ColumnCodes[] = {Idf_C1, Idf_C2, Idf_C3, Idf_C4, Idf_No, Idf_Cr,
                               Idf_Af, Idf_Ne, Idf_Mc, Idf_Mi, Idf_Ns};

// ",C1,...,NotSpecified,D,M,F,DMF" of one group.
QString CountFields(const int (&group)[Idf_Count])
{
    QString text;
    for (int code : ColumnCodes)
        text += ',' + QString::number(group[code]);
    for (int cls : {Idf_Decayed, Idf_Missing, Idf_Filled})
        text += ',' + QString::number(group[cls]);
    text += ',' + QString::number(group[Idf_Decayed] + group[Idf_Missing] + group[Idf_Filled]);
    return text;
}

QString SexText(int sex)
{
    return sex == 0 ? QStringLiteral("Male") : sex == 1 ? QStringLiteral("Female") : QString();
}

QString ToothTypeLine(const char* toothType, const stSumLine& l, const int (&group)[Idf_Count])
{
    return QString::fromLatin1(toothType) + ',' + CsvField(l.asSchoolName) + ',' + CsvField(l.asName1) + ',' +
           CsvField(l.asName0) + ',' + SexText(l.iSex) + ',' + QString::number(l.iAge) + ',' +
           QString::number(l.iYear) + ',' + QString::number(l.iMonth) + ',' + QString::number(l.iDay) + ',' +
           CsvField(l.asKarteNo) + CountFields(group) + '\n';
}

QString SchoolNameLine(const QString& toothType, const stSumLine& l, const int (&group)[Idf_Count])
{
    return CsvField(toothType + l.asSchoolName) + ',' + QString::number(l.iSex) + ',' +
           QString::number(l.iAge) + ',' + QString::number(l.iYear) + ',' + QString::number(l.iMonth) + ',' +
           QString::number(l.iDay) + ',' + CsvField(l.asKarteNo) + CountFields(group) + '\n';
}

} // namespace

void CountTeeth(const stCheckupRecord& checkup, const int (&codeFlag)[20], TToothCount& count)
{
    for (auto& group : count)
        for (int& n : group)
            n = 0;
    for (const Tooth& tooth : Teeth) {
        int code = checkup.*tooth.field;
        if (code < 0 || code > 19)
            code = Idf_Ne;
        const int group = tooth.primary ? grDeciduous : grPermanent;
        for (int g : {group, int(grBoth)}) {
            ++count[g][code];
            if (codeFlag[code] & cfDecayed)
                ++count[g][Idf_Decayed];
            if (codeFlag[code] & cfMissing)
                ++count[g][Idf_Missing];
            if (codeFlag[code] & cfFilled)
                ++count[g][Idf_Filled];
        }
    }
}

TSumLayout SumLayoutOf(const QString& xlsName)
{
    return xlsName == QLatin1String("Kvr.xls") ? TSumLayout::SchoolName : TSumLayout::ToothType;
}

QString SumHeader(TSumLayout layout)
{
    if (layout == TSumLayout::SchoolName)
        return "SchoolName,Sex,Age,CheckupYear,CheckupMonth,CheckupDay,MediRec#,C1,C2,C3,C4,－,CR,セ,"
               "NotErupted,×,△,NotSpecified,Decay,Missing,Filled,DMFT\n";
    return "ToothType,SchoolName,PName,FName,Sex,Age,CheckupYear,CheckupMonth,CheckupDay,NoOfPeople,C1,C2,C3,"
           "C4,－,CR,セ,NotErupted,×,△,NotSpecified,D,M,F,DMF\n";
}

QString SumLines(TSumLayout layout, const stSumLine& line, const TToothCount& count)
{
    if (layout == TSumLayout::SchoolName)
        return SchoolNameLine("永久歯 ", line, count[grPermanent]) +
               SchoolNameLine("乳歯 ", line, count[grDeciduous]);
    return ToothTypeLine("PermanentTeeth", line, count[grPermanent]) +
           ToothTypeLine("MilkTeeth", line, count[grDeciduous]);
}

QString ChartBlock(const QString& karteNo, TDateTime date, const TToothCount& count)
{
    static const struct
    {
        const char* label;
        int index;
    } rows[] = {
        {"tnCount[Idf_C1     ]=", Idf_C1},      {"tnCount[Idf_C2     ]=", Idf_C2},
        {"tnCount[Idf_C3     ]=", Idf_C3},      {"tnCount[Idf_C4     ]=", Idf_C4},
        {"tnCount[Idf_No     ]=", Idf_No},      {"tnCount[Idf_Cr     ]=", Idf_Cr},
        {"tnCount[Idf_Af     ]=", Idf_Af},      {"tnCount[Idf_Ne     ]=", Idf_Ne},
        {"tnCount[Idf_Mc     ]=", Idf_Mc},      {"tnCount[Idf_Mi     ]=", Idf_Mi},
        {"tnCount[Idf_Ns     ]=", Idf_Ns},      {"tnCount[Idf_Decayed]=", Idf_Decayed},
        {"tnCount[Idf_Missing]=", Idf_Missing}, {"tnCount[Idf_Filled ]=", Idf_Filled},
    };
    QStringList counts;
    for (const auto& row : rows)
        counts << QString::fromLatin1(row.label) + QString::number(count[grBoth][row.index]);
    return "=======\n" + karteNo + ' ' + DateToStr(date) + "\n\n" + counts.join('\n') + '\n';
}
