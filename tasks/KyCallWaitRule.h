#pragma once

// Source texts of the call-wait rules 1..5 (value = position + 1); each
// screen translates them in its own context.
extern const char* const g_callWaitRuleNames[5];
enum { KY_CALL_WAIT_RULES = 5 };

// The rule's source text, or null for a value outside 1..5.
const char* callWaitRuleName(int rule);
