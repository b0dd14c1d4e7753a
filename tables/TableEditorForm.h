#pragma once
// What the editors of a list on DBDM->Query1 share: browsing (iEditMode 0), adding (1)
// and changing (2) a row through the input group, and the list buttons' handlers. An
// editor says what its list, input and statements are. Set changes the row that Edit
// was pressed on, whichever row is selected by then.
#include "platform/db/Query.h"
#include "platform/widgets/Form.h"

#include <QStringList>
#include <vector>

class QPushButton;
namespace widgets {
class DBGrid;
}

namespace tables {

class TableEditorForm : public widgets::Form
{
    Q_OBJECT
public:
    // Centred on the window that opens it (the settings window).
    explicit TableEditorForm(QWidget* parent = nullptr) : widgets::Form(parent)
    {
        Position = widgets::Position::OwnerCenter;
    }

    int iEditMode = 0; // 0 browsing, 1 adding, 2 changing
    int iEditCode = 0; // the row being changed, taken when Edit is pressed

    void AddButtonClick();
    void EditButtonClick();
    void SetButtonClick();
    void CancelButtonClick();

    // The input group on or off; its edits emptied either way.
    void EnableInput(bool on);
    void InsertRecord();
    void UpdateRecord();
    // Binds the input to the statement on Query1 and runs it.
    void ExecuteWithInput();

protected:
    // Connects the show handler and the list and group buttons to the handlers.
    void ConnectHandlers(QPushButton* add, QPushButton* edit, QPushButton* del, QPushButton* set,
                         QPushButton* cancel);
    // The raw tables' delete: the current row goes without a question; `browse` then
    // returns to browsing too.
    void DeleteCurrentRow(const QStringList& deleteLines, bool browse);
    // Browsing, input off and the list grid focused.
    void Browse();

    virtual void FormShow() = 0;
    virtual void DeleteButtonClick() = 0;
    // Re-reads the list on Query1 (false, silently, when it cannot be read).
    virtual bool ReadList() = 0;
    virtual widgets::DBGrid* ListGrid() const = 0;
    virtual std::vector<QWidget*> InputControls() const = 0;
    virtual QWidget* FirstInput() const = 0;
    virtual QStringList InsertLines() const = 0;
    virtual QStringList UpdateLines() const = 0;
    // Binds every parameter of the input to Query1's statement.
    virtual void SetParameters() = 0;
    // Fills the input from the list's current row.
    virtual void FillInput(TQuery* row) = 0;
    // Whether Edit may start, and whether Set may write (a picker may have to hold a row).
    virtual bool CanEdit() const;
    virtual bool CanWrite() const { return true; }
    // Adding starts: pickers offer their current rows.
    virtual void StartAdding() {}
};

} // namespace tables
