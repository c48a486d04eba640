// The main window's doors to the map list, server list and text editors.

#include "gui/app/Desktop.h"
#include "gui/app/TfrmTeskMain.h"
#include "gui/auxwin/ListEditor.h"
#include "gui/auxwin/TfrmEdit.h"

namespace tesk {
namespace {

// The list editors are made once, on first use, and keep their memo's text
// between uses.
template <typename Editor>
Editor& ReusedEditor(TfrmTeskMain& window)
{
    if (auto* editor = window.findChild<Editor*>(QString(), Qt::FindDirectChildrenOnly))
        return *editor;
    return *new Editor(window);
}

template <typename Editor>
void ShowListEditor(TfrmTeskMain& window)
{
    Editor& editor = ReusedEditor<Editor>(window);
    editor.FormActivate();
    window.desktop().ExecDialog(editor);
}

} // namespace

void TfrmTeskMain::btnMapListClick() { ShowListEditor<TfrmMapList>(*this); }

void TfrmTeskMain::btnServerListClick() { ShowListEditor<TfrmServerList>(*this); }

void TfrmTeskMain::btnEditConfigClick() { TfrmEdit::Open(*this, model_.Text("txtConfigFile"), kEditingConfigFile); }

void TfrmTeskMain::btnEditBatchClick() { TfrmEdit::Open(*this, model_.Text("txtBatchFile"), kEditingBatchFile); }

} // namespace tesk
