#pragma once
// Marks a text the player reads for the translators' tools (lupdate); the
// rules keep and hand up the English, the windows put it in the player's
// language. The same definition as Qt's, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
