#pragma once
// What a window's box adds after the data store's code when it refused a store for a reason it
// knows.
#include <QString>

// Another program deleted or changed the record since the window read it.
inline const QString StaleNote = "\n\nこのデータは，ほかのプログラムで削除または変更されています。\n"
                                 "開き直してから，もう一度操作してください。";
