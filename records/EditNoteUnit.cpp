#include "records/EditNoteUnit.h"

TEditNoteForm* EditNoteForm = nullptr;

TEditNoteForm::TEditNoteForm(QWidget* parent) : widgets::Form(parent)
{
    setupUi(this);
    Position = widgets::Position::OwnerCenter;
}
