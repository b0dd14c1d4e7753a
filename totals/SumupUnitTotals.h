#pragma once
// What the sum-up counts of one check-up and the texts it writes for it: the lines of
// the totals file "KvrSum.csv" in its two layouts and the block of the chart file
// "DebChart.txt". Plain functions, so that the counting and the layouts can be checked
// without the window.
#include "core/data/Dbapi.h"

#include <QString>

// Count indices within one group: 0 to 19 count the teeth by code, then the classes.
enum {
    Idf_C1 = 1,
    Idf_C2 = 2,
    Idf_C3 = 3,
    Idf_C4 = 4,
    Idf_No = 6,  // "－"
    Idf_Cr = 7,  // "CR"
    Idf_Af = 8,  // "セ"
    Idf_Ne = 10, // not erupted; also any code outside 0 to 19
    Idf_Mc = 11, // "×"
    Idf_Mi = 12, // "△", missing
    Idf_Ns = 19, // not specified
    Idf_Decayed = 20,
    Idf_Missing = 21,
    Idf_Filled = 22,
    Idf_Count = 23,
};

// Count groups.
enum { grDeciduous = 0, grPermanent = 1, grBoth = 2, grCount = 3 };

// Class flags of the tooth codes; the counting tests these three bits only.
enum { cfDecayed = 0x10, cfFilled = 0x20, cfMissing = 0x400 };

using TToothCount = int[grCount][Idf_Count];

// Sets every counter and counts the check-up's teeth by code and class, per dentition
// and for both.
void CountTeeth(const stCheckupRecord& checkup, const int (&codeFlag)[20], TToothCount& count);

// The two layouts of the totals file. The spreadsheet "Kvr.xls" (exactly so) reads the
// one that starts with the school name; every other spreadsheet the one that starts
// with the tooth type.
enum class TSumLayout { ToothType, SchoolName };
TSumLayout SumLayoutOf(const QString& xlsName);

// What the two lines of one check-up say besides the counts.
struct stSumLine
{
    QString asSchoolName;
    QString asName0; // family name
    QString asName1; // personal name
    int iSex = -1;
    int iAge = 0;
    int iYear = 0, iMonth = 0, iDay = 0;
    QString asKarteNo;
};

QString SumHeader(TSumLayout layout);
// The permanent teeth's line, then the deciduous teeth's.
QString SumLines(TSumLayout layout, const stSumLine& line, const TToothCount& count);

// The chart file's block of one check-up (counts of both dentitions).
QString ChartBlock(const QString& karteNo, TDateTime date, const TToothCount& count);
