#pragma once

#include <string>

namespace lumorix {

// The help that F1 opens, in Czech: what the picture shows, what each control does and every
// key. An HTML fragment of headings, paragraphs, lists and one table, which a browser page and
// a desktop rich-text view both show as it is. The keys of the teacher's commands are those of
// the table of commands.
std::string helpHtml();

} // namespace lumorix
