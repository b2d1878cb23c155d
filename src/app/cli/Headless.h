// Headless commands: the same computations as the windows, printed without a display.
// Each takes the arguments from the command on and returns the process exit code:
// 0 success, 2 a rejected file or a wrong option (message on err, nothing on out).
#pragma once
#include <optional>
#include <ostream>

#include "app/cli/HeadlessOptions.h"
#include "app/model/Clock.h"
#include "app/session/ChartSession.h"

namespace natalis {

// natalis --listing FILE.dat... [--houses P|K|R]: the natal listing and the aspects list of
// each file, one after another.
int HeadlessListing(const Args& args, std::ostream& out, std::ostream& err);
// natalis --json FILE.dat... [--houses P|K|R]: one JSON object per file, each
// on one line (JSON Lines).
int HeadlessJson(const Args& args, std::ostream& out, std::ostream& err);
// natalis --progress FILE.dat --tecnica T --fecha "d m yyyy" [--conversa] [--asc-en-arco]
int HeadlessProgress(const Args& args, std::ostream& out, std::ostream& err);
// natalis --transit FILE.dat --fecha "d m yyyy" --hora "hh mm"
int HeadlessTransit(const Args& args, std::ostream& out, std::ostream& err);
// natalis --retorno solar|lunar FILE.dat --fecha "d m aaaa" [--houses P|K|R]: the first
// solar or lunar return on or after the date, listed as the window lists it.
int HeadlessRetorno(const Args& args, std::ostream& out, std::ostream& err);
// natalis --periodo FILE.dat --desde "d m aaaa" --hasta "d m aaaa" [--orbe GRADOS]
//         [--tecnica "Transitos"|"Secundaria"|"Arco Solar"] [--houses P|K|R]: every aspect of
//         the technique's moving points to the natal points over the period, one a line.
int HeadlessPeriodo(const Args& args, std::ostream& out, std::ostream& err);
// natalis --sinastria A.dat B.dat [--houses P|K|R] [--json]: both charts and the aspects
// between them, and each person's points in the other's houses.
int HeadlessSinastria(const Args& args, std::ostream& out, std::ostream& err);
// natalis --compuesta A.dat B.dat [--houses P|K|R] [--json]: the composite chart.
int HeadlessCompuesta(const Args& args, std::ostream& out, std::ostream& err);
// natalis --davison A.dat B.dat [--lugar-medio circulo|medias] [--houses P|K|R] [--json]
int HeadlessDavison(const Args& args, std::ostream& out, std::ostream& err);
// The chart of o.archivos[0] computed into sesion and the return of o (its kind and --fecha)
// found; nothing, with the program's message on err, when the file, the date or the search
// was refused. The house warning, if any, goes to err.
std::optional<RetornoSesion> RetornoDeArchivo(const OpcionesHeadless& o, ChartSession& sesion,
                                              const Clock& clock, std::ostream& err);
// The return found at jd as a chart of its own, at the place of o.lugar (the birth place
// without it), listed or as JSON: what --retorno prints with --lugar or --json.
int RetornoComoCarta(const OpcionesHeadless& o, ChartSession& sesion, double jd, Ephemeris& eph,
                     std::ostream& out, std::ostream& err);
// natalis --ahora [--lugar TEXTO] [--houses P|K|R] [--json]: the chart of the present instant.
int HeadlessAhora(const Args& args, std::ostream& out, std::ostream& err);
// natalis --calendario --desde "d m aaaa" --hasta "d m aaaa" [FILE.dat] [--orbe GRADOS]
//         [--huso ZONA]: the calendar of the sky, one event a line (CamposEventoCielo); with a
//         file, its zone's clock and its contacts.
int HeadlessCalendario(const Args& args, std::ostream& out, std::ostream& err);
// natalis --help: the usage text on standard output.
int HeadlessHelp(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace natalis
