#include "help_text.h"

#include "command_table.h"

#include <string_view>
#include <vector>

namespace lumorix {

namespace {

// The help up to the teacher's commands in its list of keys.
constexpr std::string_view beforeCommands = R"(<h2>Interferenční obrazec světla nebo fotonu</h2>
<p>Animace ukazuje, jak světlo, které prochází dvěma malými dírkami, skládá na detektoru
interferenční obrazec. Po stisku tlačítka <b>Start</b> se obrazec kreslí krok za krokem.</p>

<h3>Co obrázek ukazuje</h3>
<ul>
<li><b>Zdroj</b> vlevo je bodový zdroj světla (bílý kotouček).</li>
<li><b>Clona</b> je svislá stěna se dvěma dírkami: <b>A</b> nad osou, <b>B</b> pod ní. Paprsky
vedou od zdroje k oběma dírkám.</li>
<li><b>Detektor</b> je svislá čára za clonou. Bod detektoru postupuje zdola nahoru,
v každém kroku o jeden řádek, celkem 399 kroků.</li>
<li>Do každého bodu detektoru přichází vlna z obou dírek. Každou vlnu představuje šipka stálé
délky, natočená podle délky dráhy od dírky k bodu a podle kmitočtu. Šipky se kladou za sebe;
jejich součet, zelená šipka, udává, jak jasný bod je: jas roste se čtvercem její délky. Každý
dvacátý krok obrázek ukáže obě šipky, paprsky z dírek do bodu a výslednou zelenou šipku.</li>
<li>Vlevo od svislé osy obrazce kreslí tři modré značky <b>obálky</b>: jak jasné by bylo světlo
jen z dírky A, jen z dírky B a součet obou, kdyby se vlny neskládaly.</li>
<li>Vpravo od osy roste <b>obrazec</b>, podle volby v rámečku „Interfer.obrazce“:
  <ul>
  <li><b>Světla</b>: vodorovné pruhy, tím delší, čím je v tom místě detektoru jasněji;</li>
  <li><b>Fotonu</b>: pruhy pravděpodobnosti, tím delší, čím pravděpodobněji tam foton dopadne;</li>
  <li><b>Dopad fotonů</b>: bílé tečky jednotlivých dopadů, tím hustší, čím víc fotonů tam dopadá.</li>
  </ul></li>
</ul>
<p>Každý další běh kreslí přes to, co zůstalo z předchozích, takže lze obrazce porovnat.
Na konci běhu se části obrázku popíšou.</p>

<h3>Zvuk a teorie</h3>
<ul>
<li><b>Zvuk</b> (klávesa Z): při volbě Světla a Fotonu zní během běhu tón, tím hlasitější, čím
je v právě snímaném bodě detektoru jasněji; v tmavém proužku utichne. Čím vyšší kmitočet, tím
vyšší tón. Při volbě Dopad fotonů cvakne každý dopadající foton. Klávesou Z lze zvuk zapnout
i vypnout kdykoli, i během běhu; po spuštění programu je vypnutý.</li>
<li><b>Teorie</b> (klávesa T): přes obrázek vyznačí červenými čárkami místa detektoru, kde se
dráhy z obou dírek liší o celý počet vlnových délek (světlé proužky, s tím číslem: 0, ±1, ±2 …),
a světlejšími čárkami místa, kde se liší o celý počet vlnových délek a půl (tmavé proužky).
Značky se mění se zvolenými hodnotami; do obrázku se nekreslí, kopie i uložený obrázek je
neobsahují.</li>
</ul>

<h3>Ovládání</h3>
<ul>
<li><b>Start</b> spustí animaci se zvolenými hodnotami. Během běhu okno nepřijímá žádné povely;
kliknutí a klávesy (kromě Z) se provedou po jeho konci, v pořadí, v jakém přišly.</li>
<li><b>Konec</b> zavře okno a ukončí program.</li>
<li><b>Rozteč dírek</b>: jak daleko od sebe dírky jsou, od „velká“ po „0“.</li>
<li><b>Vzdálenost Detektor-Clona</b>: jak daleko za clonou stojí detektor.</li>
<li><b>Kmitočet</b>: kmitočet světla; čím vyšší, tím rychleji se šipky točí a tím hustší je
obrazec.</li>
<li><b>Interfer.obrazce</b>: jak se obrazec kreslí (Světla, Fotonu, Dopad fotonů).</li>
<li>Posuvník nahoře zpomaluje animaci: čím víc vpravo, tím pomaleji.</li>
</ul>

<h3>Klávesy</h3>
<table cellpadding="2">
<tr><td><b>Tab</b>, <b>Shift+Tab</b></td><td>přechod mezi tlačítky, zvolenou volbou každého rámečku
a posuvníkem</td></tr>
<tr><td><b>mezerník</b>, <b>Enter</b></td><td>stisk tlačítka, na kterém je výběr</td></tr>
<tr><td><b>šipky</b></td><td>jiná volba v rámečku; posun posuvníku o jeden stupeň</td></tr>
<tr><td><b>Home</b>, <b>End</b></td><td>posuvník na nejrychlejší nebo nejpomalejší konec</td></tr>
)";

// What follows the teacher's commands in the list of keys.
constexpr std::string_view afterCommands =
    R"(<tr><td><b>klávesa nabídky</b>, pravé tlačítko myši</td><td>nabídka s těmito příkazy</td></tr>
</table>
)";

// The key as the help writes it: a sign after "Ctrl+" reads better as its name.
std::string keyName(std::string_view key) {
    if (key.ends_with("++"))
        return std::string(key.substr(0, key.size() - 1)) + "plus";
    if (key.ends_with("+-"))
        return std::string(key.substr(0, key.size() - 1)) + "minus";
    return std::string(key);
}

// A row of the list of keys for each command that the help says something of, with the keys of
// the commands after it that it speaks for too.
std::string commandRows() {
    struct Row {
        std::string keys;
        std::string_view says;
    };
    std::vector<Row> rows;
    for (const auto& [command, design] : boardCommands()) {
        const std::string key = "<b>" + keyName(design.key) + "</b>";
        if (design.help.empty() && !rows.empty())
            rows.back().keys += ", " + key;
        else
            rows.push_back({key, design.help});
    }
    std::string html;
    for (const Row& row : rows)
        html += "<tr><td>" + row.keys + "</td><td>" + std::string(row.says) + "</td></tr>\n";
    return html;
}

} // namespace

std::string helpHtml() {
    return std::string(beforeCommands) + commandRows() + std::string(afterCommands);
}

} // namespace lumorix
