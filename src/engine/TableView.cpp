#include "engine/TableView.h"

namespace {
TableView* attachedView = nullptr;
}

void AttachView(TableView* view) { attachedView = view; }
TableView& View() { return *attachedView; }
