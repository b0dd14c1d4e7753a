#pragma once
// The karte search: the dialog with which the karte editor's Find chooses a karte.
// The operator enters criteria, lists up to 4000 matching kartes, and then opens one
// into the karte editor, deletes one (its delete flag), or marks several and prints
// their ID cards by mail merge.
//
// Calling protocol (the karte editor's Find): show the window modally, then test
// bOpened. Open writes the karte's header, examinee, photo, school and questionnaire
// straight into MedicalRecordForm; the editor then loads the karte's rows itself.
//
// The criteria stay as the operator left them from one showing to the next; each
// showing starts with an empty list. Size and column widths live in [SearchMediRec].
#include "core/WindowGeometry.h"
#include "core/data/Dbapi.h"
#include "platform/widgets/Form.h"
#include "ui_MedicalRecordSearchUnit.h"

#include <QStringList>
#include <vector>

class TMedicalRecordSearchForm : public widgets::Form, public Ui::TMedicalRecordSearchForm
{
    Q_OBJECT
public:
    // Kartes a search lists at most; the surplus is announced and not shown.
    static constexpr int MaxHits = 4000;
    // The result grid's columns.
    enum {
        Imrsg_MediRecNo,
        Imrsg_MediRecDate,
        Imrsg_PatientNo,
        Imrsg_FamilyName,
        Imrsg_PersonalName,
        Imrsg_FamilyKana,
        Imrsg_PersonalKana,
        Imrsg_BirthDate,
        Imrsg_Sex,
        Imrsg_SchoolName,
        Imrsg_Print,
        Imrsg_Columns
    };

    explicit TMedicalRecordSearchForm(QWidget* parent = nullptr);

    // 1 once Open has written a karte into the karte editor; 0 otherwise.
    unsigned char bOpened = 0;

    // The window's size and column widths in [SearchMediRec], as read at the showing.
    TWindowGeometry Geometry{"SearchMediRec"};

    // The criteria of the last search.
    stMedicalRec stMediRecFilter;
    TDateTime tEndDate;
    stPatientRec stPatientFilter;

    int iTotalRecords = 0; // live kartes at the last search or delete
    int nHits = 0;         // listed kartes
    int nPrintMarks = 0;   // rows marked for an ID card
    // 1 when the current cell is about to move by key or wheel: the click that the move
    // reports must not toggle a mark.
    int bSuppressClick = 0;

    // The listed kartes with their examinee and questionnaire; grid row r shows element r - 1.
    std::vector<stMedicalRec> tstMediRec;
    std::vector<stPatientRec> tstPatientRec;
    std::vector<stExcursusRec> tstExcuRec;

    void FormShow();
    void FormClose();
    void MediRecStartDateBitBtnClick();
    void MediRecEndDateBitBtnClick();
    void BirthDateBitBtnClick();
    void MediRecStartDateEditContextPopup(const QPoint& pos, bool& handled);
    void MediRecEndDateEditContextPopup(const QPoint& pos, bool& handled);
    void BirthDateEditContextPopup(const QPoint& pos, bool& handled);
    void NoPatientCheckBoxClick();
    void FindButtonClick();
    void MediRecSGClick();
    void MediRecSGDblClick();
    void MediRecSGKeyDown(int& key, widgets::TShiftState shift);
    void MediRecSGKeyUp(int& key, widgets::TShiftState shift);
    void MediRecSGMouseWheelUp(bool& handled);
    void MediRecSGMouseWheelDown(bool& handled);
    void PrintToggleButtonClick();
    // Shows the number of marked rows (counting them when `count` is below 0) and
    // enables the card button when there is one; returns the number.
    int UpdatePrintLabel(int count);
    void PrintCardButtonClick();
    void DeleteButtonClick();
    void OpenButtonClick();
    void CancelButtonClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PickCriterionDate(widgets::Edit* edit);
    void EmptyList();
    void EnableRowButtons(bool enabled);
    void ShowHit(int row);
    QStringList RowCells(int row, std::initializer_list<int> columns) const;
    void RemoveRow(int row);
    // The key whose press the grid saw last: a key released on the grid after being
    // pressed elsewhere (Enter on Find) is not a keystroke on the grid.
    int iKeyDownOnGrid = 0;
};

extern TMedicalRecordSearchForm* MedicalRecordSearchForm;

// The texts the result grid shows for one karte, column by column (the print mark empty).
QStringList MedicalRecordRowTexts(const stMedicalRec& karte, const stPatientRec& patient);

// The debug-log block of a delete from the list.
QString DeleteMedicalRecordLog(int result, int row, const QStringList& cells);
