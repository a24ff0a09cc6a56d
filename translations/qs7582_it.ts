<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AskUntilValid</name>
    <message>
        <source>&apos;%1&apos; is not a whole number.</source>
        <translation>&apos;%1&apos; non è un numero intero.</translation>
    </message>
    <message>
        <source>%1 is less than %2.</source>
        <translation>%1 è minore di %2.</translation>
    </message>
    <message>
        <source>%1 is more than %2.</source>
        <translation>%1 è maggiore di %2.</translation>
    </message>
</context>
<context>
    <name>ClosingGuard</name>
    <message>
        <source>Closing when the transfer has finished</source>
        <translation>Chiusura al termine del trasferimento</translation>
    </message>
    <message>
        <source>The master will be left with a partial configuration. Close anyway?</source>
        <translation>Il master resterà con una configurazione parziale. Chiudere comunque?</translation>
    </message>
    <message>
        <source>The Upload will stop: the configuration in memory stays as it was. Close anyway?</source>
        <translation>L&apos;Upload si fermerà: la configurazione in memoria resta com&apos;era. Chiudere comunque?</translation>
    </message>
    <message>
        <source>The message generator will not get what is being sent. Close anyway?</source>
        <translation>Il generatore di messaggi non riceverà ciò che si sta inviando. Chiudere comunque?</translation>
    </message>
    <message>
        <source>The configuration was changed and not saved. Close anyway?</source>
        <translation>La configurazione è stata modificata e non salvata. Chiudere comunque?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows and changes the live state of a Q7582 master or RKDV7582 message generator over USB,
reads and writes the master&apos;s configuration and keeps it in .cfi files.
The manager keeps its settings, name files and history in the folder it is started from:
that folder is the site (one installation); -C DIR starts in DIR instead, as git -C does.
Q7582_PORT=PATH uses that serial device (or the simulator&apos;s link) instead of libftdi.

Commands, run without a window in the site they start in, under the same lock as the window:
  upload [-o FILE]       read the master&apos;s configuration into the history (history/) and FILE
  download FILE          write FILE (32768 bytes) to the master; --master N refuses another
                         address; a history entry of another master, or a file of another
                         site, needs --force
  download FILE --dry-run  print what the Download would change on the master, write nothing:
                         status 0 no difference, 1 some, 2 what the master holds is unknown
  status                 print the status report, as &quot;Report&quot; &gt; &quot;Status&quot; shows it
  history                list the history, newest first, one entry a line
  sites                  list the known sites: name, folder, masters kept, newest entry
  record [-o FILE] [--for DURATION]  record every status read, the connection&apos;s changes and
                         what this program writes into FILE (recordings/&lt;date-time&gt;.q7582rec),
                         until DURATION (90s, 15m, 2h, 1d) has passed or Ctrl-C; status 1 when
                         writing failed (disk full), the file then holds what came before
  events RECORDING       list the changes of a recording (time, group, what, from, to);
                         --csv as CSV, --from and --to TIME (ISO 8601, local time unless
                         it ends in Z or an offset) limit the span; needs no master
A FILE.cfi instead of a command opens that file in the window, as &quot;Config&quot; &gt; &quot;Open&quot; does;
a RECORDING.q7582rec opens its timeline, as &quot;Report&quot; &gt; &quot;Timeline...&quot; does.
Each waits up to --wait seconds for a master. Exit status: 0 done, 1 the transfer failed,
2 bad usage, a bad file or site folder, 3 no master, the device or the folder in use, another
master or another site&apos;s configuration.</source>
        <translation>Mostra e cambia lo stato in tempo reale di un master Q7582 o di un generatore di messaggi
RKDV7582 via USB, legge e scrive la configurazione del master e la conserva in file .cfi.
Il programma tiene impostazioni, file dei nomi e storico nella cartella da cui parte:
quella cartella è il sito (un impianto); -C DIR parte invece in DIR, come git -C.
Q7582_PORT=PATH usa quel dispositivo seriale (o il collegamento del simulatore) invece di libftdi.

Comandi, eseguiti senza finestra nel sito in cui partono, con lo stesso blocco della finestra:
  upload [-o FILE]       legge la configurazione del master nello storico (history/) e in FILE
  download FILE          scrive FILE (32768 byte) nel master; --master N rifiuta un altro
                         indirizzo; una voce dello storico di un altro master, o un file di un
                         altro sito, richiede --force
  download FILE --dry-run  mostra cosa cambierebbe il Download nel master, senza scrivere nulla:
                         stato 0 nessuna differenza, 1 alcune, 2 contenuto del master ignoto
  status                 mostra il rapporto di stato, come &quot;Rapporti&quot; &gt; &quot;Stato&quot;
  history                elenca lo storico, dalla voce più recente, una voce per riga
  sites                  elenca i siti noti: nome, cartella, master conservati, voce più recente
  record [-o FILE] [--for DURATION]  registra ogni lettura dello stato, i cambi del collegamento
                         e ciò che questo programma scrive in FILE (recordings/&lt;data-ora&gt;.q7582rec),
                         finché non è trascorsa DURATION (90s, 15m, 2h, 1d) o fino a Ctrl-C;
                         stato 1 se la scrittura è fallita (disco pieno), il file tiene quanto c&apos;era prima
  events RECORDING       elenca i cambiamenti di una registrazione (ora, gruppo, cosa, da, a);
                         --csv come CSV, --from e --to TIME (ISO 8601, ora locale salvo che
                         finisca con Z o uno scostamento) limitano l&apos;intervallo; senza master
Un FILE.cfi al posto di un comando apre quel file nella finestra, come &quot;Configurazione&quot; &gt; &quot;Apri&quot;;
una RECORDING.q7582rec apre la sua linea temporale, come &quot;Rapporti&quot; &gt; &quot;Linea temporale...&quot;.
Ognuno attende un master fino a --wait secondi. Stato di uscita: 0 fatto, 1 trasferimento fallito,
2 uso errato, file o cartella del sito errati, 3 nessun master, dispositivo o cartella in uso, un altro
master o la configurazione di un altro sito.</translation>
    </message>
    <message>
        <source>upload: also write the configuration into FILE; record: record into FILE.</source>
        <translation>upload: scrive la configurazione anche in FILE; record: registra in FILE.</translation>
    </message>
    <message>
        <source>download: refuse a master with another address than N (0..5).</source>
        <translation>download: rifiuta un master con un indirizzo diverso da N (0..5).</translation>
    </message>
    <message>
        <source>download: write a history entry of another master, or a file of another site, all the same.</source>
        <translation>download: scrive comunque una voce dello storico di un altro master, o un file di un altro sito.</translation>
    </message>
    <message>
        <source>download: print the differences from what the master holds (its newest complete history entry) and write nothing.</source>
        <translation>download: mostra le differenze da ciò che il master contiene (la sua voce completa più recente dello storico) e non scrive nulla.</translation>
    </message>
    <message>
        <source>record: stop after DURATION (90s, 15m, 2h, 1d; seconds without a unit).</source>
        <translation>record: si ferma dopo DURATION (90s, 15m, 2h, 1d; secondi senza unità).</translation>
    </message>
    <message>
        <source>How many seconds a command waits for a master (default 10).</source>
        <translation>Quanti secondi un comando attende un master (predefinito 10).</translation>
    </message>
    <message>
        <source>events: print CSV, a column per field.</source>
        <translation>events: scrive CSV, una colonna per campo.</translation>
    </message>
    <message>
        <source>events: from TIME on (ISO 8601).</source>
        <translation>events: da TIME in poi (ISO 8601).</translation>
    </message>
    <message>
        <source>events: up to TIME (ISO 8601).</source>
        <translation>events: fino a TIME (ISO 8601).</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando &quot;%1&quot; sconosciuto</translation>
    </message>
    <message>
        <source>download wants one FILE</source>
        <translation>download vuole un FILE</translation>
    </message>
    <message>
        <source>events wants one RECORDING</source>
        <translation>events vuole una RECORDING</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argomento &quot;%1&quot; inatteso</translation>
    </message>
    <message>
        <source>--csv, --from and --to are options of events</source>
        <translation>--csv, --from e --to sono opzioni di events</translation>
    </message>
    <message>
        <source>--%1 wants a time such as 2026-12-08T03:45:00</source>
        <translation>--%1 vuole un&apos;ora come 2026-12-08T03:45:00</translation>
    </message>
    <message>
        <source>-o is an option of upload and record</source>
        <translation>-o è un&apos;opzione di upload e record</translation>
    </message>
    <message>
        <source>--for is an option of record</source>
        <translation>--for è un&apos;opzione di record</translation>
    </message>
    <message>
        <source>--for wants a duration such as 90s, 15m, 2h or 1d</source>
        <translation>--for vuole una durata come 90s, 15m, 2h o 1d</translation>
    </message>
    <message>
        <source>--master, --force and --dry-run are options of download</source>
        <translation>--master, --force e --dry-run sono opzioni di download</translation>
    </message>
    <message>
        <source>--master wants a number 0..5</source>
        <translation>--master vuole un numero 0..5</translation>
    </message>
    <message>
        <source>--wait wants a number of seconds 0..3600</source>
        <translation>--wait vuole un numero di secondi 0..3600</translation>
    </message>
    <message>
        <source>Log the device link and file writes on standard error (the q7582.* logging categories).</source>
        <translation>Registra sullo standard error il collegamento col dispositivo e le scritture dei file (le categorie di log q7582.*).</translation>
    </message>
    <message>
        <source>Print the differences between two .cfi files given after the options (FROM TO) and exit
without a window: status 0 when they are the same, 1 when they differ, 2 on an error.</source>
        <translation>Mostra le differenze fra due file .cfi dati dopo le opzioni (FROM TO) ed esce
senza finestra: stato 0 se sono uguali, 1 se differiscono, 2 in caso di errore.</translation>
    </message>
    <message>
        <source>Work in the site folder DIR, as if started there; it becomes a known site.</source>
        <translation>Lavora nella cartella del sito DIR, come se partisse lì; diventa un sito noto.</translation>
    </message>
    <message>
        <source>Open the window in the site used last (asking for a first site&apos;s name when there is none), as the menu entry does.</source>
        <translation>Apre la finestra nell&apos;ultimo sito usato (chiedendo il nome di un primo sito se non ce n&apos;è), come la voce del menu.</translation>
    </message>
    <message>
        <source>upload, download FILE, status, history, sites, record or events RECORDING (see above), or a .cfi FILE to open in the window.</source>
        <translation>upload, download FILE, status, history, sites, record o events RECORDING (vedi sopra), o un FILE .cfi da aprire nella finestra.</translation>
    </message>
    <message>
        <source>--compare wants two files, FROM and TO</source>
        <translation>--compare vuole due file, FROM e TO</translation>
    </message>
    <message>
        <source>--last-site and -C name two sites</source>
        <translation>--last-site e -C indicano due siti</translation>
    </message>
    <message>
        <source>--last-site is for the window</source>
        <translation>--last-site è per la finestra</translation>
    </message>
    <message>
        <source>--%1 goes with a command</source>
        <translation>--%1 va con un comando</translation>
    </message>
    <message>
        <source>: cannot work in the site folder %1: %2
</source>
        <translation>: impossibile lavorare nella cartella del sito %1: %2
</translation>
    </message>
    <message>
        <source>[command | FILE]</source>
        <translation>[comando | FILE]</translation>
    </message>
</context>
<context>
    <name>CommissioningRecord</name>
    <message>
        <source>Commissioning record</source>
        <translation>Verbale di collaudo</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Dal %1 al %2</translation>
    </message>
    <message>
        <source>%1  Input %2 (%3)</source>
        <translation>%1  Ingresso %2 (%3)</translation>
    </message>
    <message>
        <source>Message %1 after %2</source>
        <translation>Messaggio %1 dopo %2</translation>
    </message>
    <message>
        <source>No message followed</source>
        <translation>Nessun messaggio in seguito</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Sorgente: %1</translation>
    </message>
    <message>
        <source>Zone                  Busy after</source>
        <comment>the zone column is 22 characters</comment>
        <translation>Zona                  Occupata dopo</translation>
    </message>
    <message>
        <source>Already busy: %1</source>
        <translation>Già occupate: %1</translation>
    </message>
    <message>
        <source>Did not go busy: %1</source>
        <translation>Non occupate: %1</translation>
    </message>
    <message>
        <source>%1 input activations, %2 with zones that did not go busy</source>
        <translation>%1 attivazioni di ingressi, %2 con zone non occupate</translation>
    </message>
</context>
<context>
    <name>ComparisonCommand</name>
    <message>
        <source>unit.txt could not be read: units keep their default names</source>
        <translation>Impossibile leggere unit.txt: le unità tengono i nomi predefiniti</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>%1 bytes long, not %2</source>
        <translation>lungo %1 byte, non %2</translation>
    </message>
</context>
<context>
    <name>ConfigFiles</name>
    <message>
        <source>Drop one configuration file at a time: %1 were dropped.</source>
        <translation>Trascinare un solo file di configurazione alla volta: ne sono stati trascinati %1.</translation>
    </message>
    <message>
        <source>Only a file on this computer can be opened, not %1.</source>
        <translation>Si può aprire solo un file di questo computer, non %1.</translation>
    </message>
    <message>
        <source>%1 is a folder: drop the configuration file itself.</source>
        <translation>%1 è una cartella: trascinare il file di configurazione.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (a pipe or a device): only a .cfi file can be opened.</source>
        <translation>%1 non è un file normale (una pipe o un dispositivo): si può aprire solo un file .cfi.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, not %3: only the first %2 bytes of the configuration would be replaced, the rest would stay as it is.

Open it anyway?</source>
        <translation>%1 è lungo %2 byte, non %3: sarebbero sostituiti solo i primi %2 byte della configurazione, il resto resterebbe com&apos;è.

Aprirlo comunque?</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, not %3: only its first %3 bytes would be read and the rest ignored.

Open it anyway?</source>
        <translation>%1 è lungo %2 byte, non %3: sarebbero letti solo i primi %3 byte e il resto ignorato.

Aprirlo comunque?</translation>
    </message>
    <message>
        <source>default configuration of master %1</source>
        <translation>configurazione predefinita del master %1</translation>
    </message>
    <message>
        <source>uploaded from master %1 at %2 %3</source>
        <translation>Upload dal master %1 del %2 %3</translation>
    </message>
    <message>
        <source>, modified</source>
        <translation>, modificata</translation>
    </message>
    <message>
        <source>Load configuration from file</source>
        <translation>Carica la configurazione da file</translation>
    </message>
    <message>
        <source>Configuration files (*.cfi);;All files (*.*)</source>
        <translation>File di configurazione (*.cfi);;Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Save current configuration to file</source>
        <translation>Salva la configurazione corrente su file</translation>
    </message>
    <message>
        <source>Configuration files (*.cfi);;All Files (*.*)</source>
        <translation>File di configurazione (*.cfi);;Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Compare with configuration file</source>
        <translation>Confronta con un file di configurazione</translation>
    </message>
</context>
<context>
    <name>ConfigurationComparison</name>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>unaffected</source>
        <translation>non interessata</translation>
    </message>
    <message>
        <source>activated</source>
        <translation>attivata</translation>
    </message>
    <message>
        <source>deactivated</source>
        <translation>disattivata</translation>
    </message>
    <message>
        <source>Key/input %1</source>
        <translation>Tasto/ingresso %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tasto %1</translation>
    </message>
    <message>
        <source>repetition</source>
        <translation>ripetizione</translation>
    </message>
    <message>
        <source>start</source>
        <translation>inizio</translation>
    </message>
    <message>
        <source>period</source>
        <translation>periodo</translation>
    </message>
    <message>
        <source>%1 sec.</source>
        <translation>%1 sec.</translation>
    </message>
    <message>
        <source>stop time</source>
        <translation>ora di fine</translation>
    </message>
    <message>
        <source>priority</source>
        <translation>priorità</translation>
    </message>
    <message>
        <source>enable</source>
        <translation>abilitato</translation>
    </message>
    <message>
        <source>messages</source>
        <translation>messaggi</translation>
    </message>
    <message>
        <source>output event</source>
        <translation>evento di uscita</translation>
    </message>
    <message>
        <source>transition</source>
        <translation>fronte</translation>
    </message>
    <message>
        <source>1 byte differs</source>
        <translation>1 byte diverso</translation>
    </message>
    <message>
        <source>%1 bytes differ</source>
        <translation>%1 byte diversi</translation>
    </message>
    <message>
        <source>unit %1</source>
        <translation>unità %1</translation>
    </message>
    <message>
        <source>message event %1</source>
        <translation>evento messaggio %1</translation>
    </message>
    <message>
        <source>out event %1</source>
        <translation>evento di uscita %1</translation>
    </message>
    <message>
        <source>RESET out event</source>
        <translation>Evento di uscita RESET</translation>
    </message>
    <message>
        <source>timer event %1</source>
        <translation>evento timer %1</translation>
    </message>
    <message>
        <source>I/O line attributes</source>
        <translation>attributi delle linee I/O</translation>
    </message>
    <message>
        <source>not interpreted</source>
        <translation>non interpretato</translation>
    </message>
    <message>
        <source>Master %1 zones %2</source>
        <translation>Master %1 zone %2</translation>
    </message>
    <message>
        <source>message</source>
        <translation>messaggio</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Message events</source>
        <translation>Eventi messaggio</translation>
    </message>
    <message>
        <source>Message event %1</source>
        <translation>Evento messaggio %1</translation>
    </message>
    <message>
        <source>out %1 %2</source>
        <translation>uscita %1 %2</translation>
    </message>
    <message>
        <source>Master %1 %2</source>
        <translation>Master %1 %2</translation>
    </message>
    <message>
        <source>Out events</source>
        <translation>Eventi di uscita</translation>
    </message>
    <message>
        <source>Out event %1</source>
        <translation>Evento di uscita %1</translation>
    </message>
    <message>
        <source>IN/OUT logic</source>
        <translation>Logica IN/OUT</translation>
    </message>
    <message>
        <source>logic</source>
        <translation>logica</translation>
    </message>
    <message>
        <source>Input %1 (Card %2)</source>
        <translation>Ingresso %1 (scheda %2)</translation>
    </message>
    <message>
        <source>Output %1 (Card %2)</source>
        <translation>Uscita %1 (scheda %2)</translation>
    </message>
    <message>
        <source>Timer event %1</source>
        <translation>Evento timer %1</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>aggiunto: %1</translation>
    </message>
    <message>
        <source>removed: %1</source>
        <translation>rimosso: %1</translation>
    </message>
    <message>
        <source>Timer events</source>
        <translation>Eventi timer</translation>
    </message>
    <message>
        <source>Other bytes</source>
        <translation>Altri byte</translation>
    </message>
    <message>
        <source>Configuration comparison</source>
        <translation>Confronto delle configurazioni</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>Da: %1</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>A: %1</translation>
    </message>
    <message>
        <source>The two configurations are the same.</source>
        <translation>Le due configurazioni sono uguali.</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 differenza</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 differenze</translation>
    </message>
    <message>
        <source>Timer event %1: message event %2</source>
        <translation>Evento timer %1: evento messaggio %2</translation>
    </message>
    <message>
        <source>Output %1 (Card %2): logic %3</source>
        <translation>Uscita %1 (scheda %2): logica %3</translation>
    </message>
    <message>
        <source>Input %1 (Card %2): priority %3, logic %4, transition %5</source>
        <translation>Ingresso %1 (scheda %2): priorità %3, logica %4, fronte %5</translation>
    </message>
    <message>
        <source>Out event %1: %2</source>
        <translation>Evento di uscita %1: %2</translation>
    </message>
    <message>
        <source>RESET out event: %1</source>
        <translation>Evento di uscita RESET: %1</translation>
    </message>
    <message>
        <source>: output event %1</source>
        <translation>: evento di uscita %1</translation>
    </message>
    <message>
        <source>message %1</source>
        <translation>messaggio %1</translation>
    </message>
    <message>
        <source>output event %1</source>
        <translation>evento di uscita %1</translation>
    </message>
    <message>
        <source>Zone %1 of master %2</source>
        <translation>Zona %1 del master %2</translation>
    </message>
    <message>
        <source>Output %1 of master %2</source>
        <translation>Uscita %1 del master %2</translation>
    </message>
    <message>
        <source>Where used: %1</source>
        <translation>Dove si usa: %1</translation>
    </message>
    <message>
        <source>Used nowhere.</source>
        <translation>Nessun uso.</translation>
    </message>
    <message>
        <source>1 use</source>
        <translation>1 uso</translation>
    </message>
    <message>
        <source>%1 uses</source>
        <translation>%1 usi</translation>
    </message>
</context>
<context>
    <name>ConfigurationReport</name>
    <message>
        <source>Configuration report</source>
        <translation>Rapporto di configurazione</translation>
    </message>
</context>
<context>
    <name>DeskMicrophoneReport</name>
    <message>
        <source>Key %1</source>
        <translation>Tasto %1</translation>
    </message>
    <message>
        <source>Configuration of desk microphone %1</source>
        <translation>Configurazione della base microfonica %1</translation>
    </message>
    <message>
        <source>Key       |Message|Output event|</source>
        <comment>columns of 10, 7 and 12 characters</comment>
        <translation>Tasto     |Messag.|Ev. uscita  |</translation>
    </message>
    <message>
        <source>Desk microphones configuration report of the master with address %1</source>
        <translation>Rapporto di configurazione delle basi microfoniche del master con indirizzo %1</translation>
    </message>
    <message>
        <source>NO DESK MICROPHONE UNITS CONNECTED TO THE MASTER</source>
        <translation>NESSUNA BASE MICROFONICA COLLEGATA AL MASTER</translation>
    </message>
</context>
<context>
    <name>DeviceHint</name>
    <message>
        <source>No access</source>
        <translation>Nessun accesso</translation>
    </message>
    <message>
        <source>The USB device was found but may not be opened. The udev rule 60-qs7582.rules gives it to the logged-in user: the package installs it in /usr/lib/udev/rules.d; from source, install packaging/60-qs7582.rules (see the README section &quot;Device permissions&quot;). Without a desktop login, join the group plugdev (sudo usermod -aG plugdev $USER, then log in again). Then unplug and replug the device.</source>
        <translation>Il dispositivo USB è stato trovato ma non si può aprire. La regola udev 60-qs7582.rules lo assegna all&apos;utente collegato: il pacchetto la installa in /usr/lib/udev/rules.d; dai sorgenti, installare packaging/60-qs7582.rules (vedere la sezione &quot;Device permissions&quot; del README). Senza un accesso al desktop, entrare nel gruppo plugdev (sudo usermod -aG plugdev $USER, poi accedere di nuovo). Poi scollegare e ricollegare il dispositivo.</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>In uso</translation>
    </message>
    <message>
        <source>Another program holds the device, perhaps another Q7582 Manager. Close it: this manager tries again every 500 ms and takes the device once it is free.</source>
        <translation>Un altro programma tiene il dispositivo, forse un altro Q7582 Manager. Chiuderlo: questo programma riprova ogni 500 ms e prende il dispositivo appena è libero.</translation>
    </message>
</context>
<context>
    <name>DialogAnswers</name>
    <message>
        <source> 0 makes the event not periodic.</source>
        <translation> 0 rende l&apos;evento non periodico.</translation>
    </message>
    <message>
        <source> The period must end before midnight.</source>
        <translation> Il periodo deve finire prima di mezzanotte.</translation>
    </message>
</context>
<context>
    <name>DownloadQuestion</name>
    <message>
        <source>This configuration was read from master %1; the connected master is %2.</source>
        <translation>Questa configurazione è stata letta dal master %1; il master collegato è il %2.</translation>
    </message>
    <message>
        <source>What this Download changes on master %1 is unknown until it is read.</source>
        <translation>Finché il master %1 non viene letto, non si sa che cosa cambia questo Download.</translation>
    </message>
    <message>
        <source>Download anyway?</source>
        <translation>Fare comunque il Download?</translation>
    </message>
    <message>
        <source>Show differences</source>
        <translation>Mostra le differenze</translation>
    </message>
    <message>
        <source>Read the master first</source>
        <translation>Leggi prima il master</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>change</source>
        <translation>modifica</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> e altre %1</translation>
    </message>
</context>
<context>
    <name>EditorQuestions</name>
    <message>
        <source>Change output event</source>
        <translation>Modifica evento di uscita</translation>
    </message>
    <message>
        <source>Output event 0...65 (0=None,64=RESET MASTER,65=RESET SYSTEM)</source>
        <translation>Evento di uscita 0...65 (0=nessuno,64=RESET MASTER,65=RESET SYSTEM)</translation>
    </message>
</context>
<context>
    <name>EventCsv</name>
    <message>
        <source>the output could not be written</source>
        <translation>impossibile scrivere i dati in uscita</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>No such file or directory</source>
        <translation>File o cartella inesistente</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operazione non permessa</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>È una cartella</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Non è una cartella</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Il file esiste già</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Spazio esaurito sul disco</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>File system di sola lettura</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Troppi livelli di collegamenti simbolici</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Errore di ingresso/uscita</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nome del file troppo lungo</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo o risorsa occupati</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
</context>
<context>
    <name>Fingerprints</name>
    <message>
        <source>This configuration is the one site %1 keeps for master %2, %3 of %4</source>
        <translation>Questa configurazione è quella che il sito %1 conserva per il master %2, %3 del %4</translation>
    </message>
</context>
<context>
    <name>GeneratorPanel</name>
    <message>
        <source>STOP HeadPhone ||</source>
        <translation>STOP cuffia ||</translation>
    </message>
    <message>
        <source>PLAY HeadPhone &gt;</source>
        <translation>ASCOLTA in cuffia &gt;</translation>
    </message>
    <message>
        <source>STOP Channels ||</source>
        <translation>STOP canali ||</translation>
    </message>
    <message>
        <source>PLAY Channels &gt;</source>
        <translation>INVIA ai canali &gt;</translation>
    </message>
    <message>
        <source>No messages in SD card</source>
        <translation>Nessun messaggio nella scheda SD</translation>
    </message>
    <message>
        <source>MSGVELA dir NOT found</source>
        <translation>Cartella MSGVELA NON trovata</translation>
    </message>
    <message>
        <source>Summer legal time ID = %1</source>
        <translation>ID dell&apos;ora legale = %1</translation>
    </message>
    <message>
        <source>SD card NOT inserted</source>
        <translation>Scheda SD NON inserita</translation>
    </message>
    <message>
        <source>SD card inserted</source>
        <translation>Scheda SD inserita</translation>
    </message>
    <message>
        <source>MSGVELA dir found</source>
        <translation>Cartella MSGVELA trovata</translation>
    </message>
    <message>
        <source>%1 message in SD card</source>
        <translation>%1 messaggi nella scheda SD</translation>
    </message>
    <message>
        <source>The &apos;summer legal time&apos; file is updated to the last version available.</source>
        <translation>Il file dell&apos;ora legale è aggiornato all&apos;ultima versione disponibile.</translation>
    </message>
    <message>
        <source>Current &apos;summer legal time&apos; file is out of date. Press the below button to update  the &apos;summer legal time to ID = %1</source>
        <translation>Il file dell&apos;ora legale attuale non è aggiornato. Premete il pulsante qui sotto per aggiornarlo all&apos;ID = %1</translation>
    </message>
</context>
<context>
    <name>GridRules</name>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>HistoryRows</name>
    <message>
        <source>partial</source>
        <translation>parziale</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illeggibile</translation>
    </message>
</context>
<context>
    <name>IoCardReport</name>
    <message>
        <source>Configuration of IO card %1</source>
        <translation>Configurazione della scheda I/O %1</translation>
    </message>
    <message>
        <source>Input     |Message|Output event|Priority|Logic|Transition|</source>
        <comment>columns of 10, 7, 12, 8, 5 and 10 characters</comment>
        <translation>Ingresso  |Messag.|Ev. uscita  |Priorità|Log. |Fronte    |</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Ingr. %1</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Uscita %1</translation>
    </message>
    <message>
        <source>Output    |Logic|</source>
        <comment>columns of 10 and 5 characters</comment>
        <translation>Uscita    |Log. |</translation>
    </message>
    <message>
        <source>Logic: H=Positive logic; L=Negative logic</source>
        <translation>Logica (Log.): H=logica positiva; L=logica negativa</translation>
    </message>
    <message>
        <source>Transition: R=Rising edge; F=Falling edge; R+F=Both</source>
        <translation>Fronte: R=fronte di salita; F=fronte di discesa; R+F=entrambi</translation>
    </message>
    <message>
        <source>-: no line attributes are kept for an IO card at address %1</source>
        <translation>-: nessun attributo di linea per una scheda I/O all&apos;indirizzo %1</translation>
    </message>
    <message>
        <source>Input</source>
        <comment>a zone table&apos;s column, at most 15 characters</comment>
        <translation>Ingresso</translation>
    </message>
    <message>
        <source>I/O cards configuration report of the master with address %1</source>
        <translation>Rapporto di configurazione delle schede I/O del master con indirizzo %1</translation>
    </message>
    <message>
        <source>NO I/O CARDS CONNECTED TO THE MASTER</source>
        <translation>NESSUNA SCHEDA I/O COLLEGATA AL MASTER</translation>
    </message>
</context>
<context>
    <name>KnownSites</name>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>non leggibile</translation>
    </message>
    <message>
        <source>a file, not a folder</source>
        <translation>un file, non una cartella</translation>
    </message>
    <message>
        <source>a FIFO, not a folder</source>
        <translation>una FIFO, non una cartella</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>non una cartella</translation>
    </message>
</context>
<context>
    <name>Lanes</name>
    <message>
        <source>VOX 1 level</source>
        <translation>Livello VOX 1</translation>
    </message>
    <message>
        <source>VOX 2 level</source>
        <translation>Livello VOX 2</translation>
    </message>
    <message>
        <source>Message level</source>
        <translation>Livello messaggi</translation>
    </message>
    <message>
        <source>Unit level</source>
        <translation>Livello unità</translation>
    </message>
    <message>
        <source>Remote level</source>
        <translation>Livello remoto</translation>
    </message>
    <message>
        <source>%1 music</source>
        <translation>%1 musica</translation>
    </message>
    <message>
        <source>%1 present</source>
        <translation>%1 presente</translation>
    </message>
    <message>
        <source>%1 active</source>
        <translation>%1 attiva</translation>
    </message>
    <message>
        <source>Active source</source>
        <translation>Sorgente attiva</translation>
    </message>
    <message>
        <source>Active message</source>
        <translation>Messaggio attivo</translation>
    </message>
    <message>
        <source>Speech level</source>
        <translation>Livello annunci</translation>
    </message>
    <message>
        <source>Music level</source>
        <translation>Livello musica</translation>
    </message>
    <message>
        <source>%1 level</source>
        <translation>Livello %1</translation>
    </message>
    <message>
        <source>VOX %1 threshold</source>
        <translation>Soglia VOX %1</translation>
    </message>
    <message>
        <source>VOX %1 input</source>
        <translation>Ingresso VOX %1</translation>
    </message>
    <message>
        <source>Master clock</source>
        <translation>Orologio del master</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Digital inputs</source>
        <translation>Ingressi digitali</translation>
    </message>
    <message>
        <source>Digital outputs</source>
        <translation>Uscite digitali</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Livelli</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Scollegato</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Ricerca</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Generatore</translation>
    </message>
    <message>
        <source>on</source>
        <translation>attivo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>inattivo</translation>
    </message>
    <message>
        <source>Message %1</source>
        <translation>Messaggio %1</translation>
    </message>
    <message>
        <source>Unit %1 (priority %2)</source>
        <translation>Unità %1 (priorità %2)</translation>
    </message>
    <message>
        <source>Input %1 (priority %2)</source>
        <translation>Ingresso %1 (priorità %2)</translation>
    </message>
    <message>
        <source>VOX %1 (priority %2)</source>
        <translation>VOX %1 (priorità %2)</translation>
    </message>
    <message>
        <source>Timer event %1 (priority %2)</source>
        <translation>Evento timer %1 (priorità %2)</translation>
    </message>
    <message>
        <source>Remote %1 (priority %2)</source>
        <translation>Remoto %1 (priorità %2)</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no active source</comment>
        <translation>Nessuna</translation>
    </message>
</context>
<context>
    <name>LegacyFolder</name>
    <message>
        <source>another manager is using it</source>
        <translation>un altro gestore la sta usando</translation>
    </message>
    <message>
        <source>cannot be made</source>
        <translation>non si può creare</translation>
    </message>
    <message>
        <source>The files of earlier versions are now the site &quot;%1&quot; in %2; %3 leads there.</source>
        <translation>I file delle versioni precedenti ora sono il sito &quot;%1&quot; in %2; %3 porta lì.</translation>
    </message>
    <message>
        <source>The files of earlier versions are the site &quot;%1&quot;, kept in %2 (%3).</source>
        <translation>I file delle versioni precedenti sono il sito &quot;%1&quot;, rimasto in %2 (%3).</translation>
    </message>
    <message>
        <source>The list of sites cannot be written: %1</source>
        <translation>Non si può scrivere l&apos;elenco dei siti: %1</translation>
    </message>
</context>
<context>
    <name>Listings</name>
    <message>
        <source>No match found</source>
        <translation>Nessuna corrispondenza</translation>
    </message>
    <message>
        <source> - Key/input </source>
        <translation> - Tasto/ingresso </translation>
    </message>
    <message>
        <source> - Key </source>
        <translation> - Tasto </translation>
    </message>
    <message>
        <source>Keys and inputs with message or output event associated</source>
        <translation>Tasti e ingressi con messaggio o evento di uscita associato</translation>
    </message>
    <message>
        <source> - message </source>
        <translation> - messaggio </translation>
    </message>
    <message>
        <source> - output event </source>
        <translation> - evento di uscita </translation>
    </message>
    <message>
        <source>Keys and inputs with no zones associated</source>
        <translation>Tasti e ingressi senza zone associate</translation>
    </message>
    <message>
        <source>Message events with output event associated</source>
        <translation>Eventi messaggio con evento di uscita associato</translation>
    </message>
    <message>
        <source>Message event %1 - output event %2</source>
        <translation>Evento messaggio %1 - evento di uscita %2</translation>
    </message>
    <message>
        <source>Message events with no messages or zones associated</source>
        <translation>Eventi messaggio senza messaggi o zone associati</translation>
    </message>
    <message>
        <source>Message event </source>
        <translation>Evento messaggio </translation>
    </message>
    <message>
        <source> - NO message</source>
        <translation> - NESSUN messaggio</translation>
    </message>
    <message>
        <source> - NO zones</source>
        <translation> - NESSUNA zona</translation>
    </message>
    <message>
        <source>Programmed timer events</source>
        <translation>Eventi timer programmati</translation>
    </message>
    <message>
        <source>Timer event </source>
        <translation>Evento timer </translation>
    </message>
    <message>
        <source> - NO output event </source>
        <translation> - NESSUN evento di uscita </translation>
    </message>
    <message>
        <source> - message events in list</source>
        <translation> - eventi messaggio in elenco</translation>
    </message>
    <message>
        <source> - message list EMPTY</source>
        <translation> - elenco messaggi VUOTO</translation>
    </message>
    <message>
        <source> - timer enabled</source>
        <translation> - timer attivo</translation>
    </message>
    <message>
        <source> - timer DISABLED</source>
        <translation> - timer DISATTIVATO</translation>
    </message>
</context>
<context>
    <name>MasterHoldings</name>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Non si può leggere lo storico: %1</translation>
    </message>
    <message>
        <source>The last Download to master %1 was cut short: what it holds is unknown.</source>
        <translation>L&apos;ultimo Download nel master %1 è stato interrotto: non si sa che cosa contiene.</translation>
    </message>
    <message>
        <source>The newest history entry of master %1 cannot be read: %2</source>
        <translation>Non si può leggere la voce più recente dello storico del master %1: %2</translation>
    </message>
    <message>
        <source>The history holds nothing of master %1.</source>
        <translation>Lo storico non contiene nulla del master %1.</translation>
    </message>
    <message>
        <source>The master already holds this configuration</source>
        <translation>Il master contiene già questa configurazione</translation>
    </message>
    <message>
        <source>Download: %1 %2 from what master %3 holds (its %4 of %5)</source>
        <translation>Download: %1 %2 rispetto a quello che contiene il master %3 (il suo %4 del %5)</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>differenza</translation>
    </message>
    <message>
        <source>differences</source>
        <translation>differenze</translation>
    </message>
</context>
<context>
    <name>MessageFolderWindowCommands</name>
    <message>
        <source>&amp;Open-create Message Folder</source>
        <translation>&amp;Apri/crea cartella dei messaggi</translation>
    </message>
    <message>
        <source>Open-Create|Open or create a message folder</source>
        <translation>Apri/crea|Apri o crea una cartella dei messaggi</translation>
    </message>
    <message>
        <source>&amp;Close Folder</source>
        <translation>&amp;Chiudi cartella</translation>
    </message>
    <message>
        <source>Close|Close message folder</source>
        <translation>Chiudi|Chiudi la cartella dei messaggi</translation>
    </message>
    <message>
        <source>&amp;Add Message to List</source>
        <translation>A&amp;ggiungi messaggio all&apos;elenco</translation>
    </message>
    <message>
        <source>Add|Add a .wav file to the message list</source>
        <translation>Aggiungi|Aggiungi un file .wav all&apos;elenco dei messaggi</translation>
    </message>
    <message>
        <source>&amp;Delete Message from List</source>
        <translation>&amp;Elimina messaggio dall&apos;elenco</translation>
    </message>
    <message>
        <source>Delete|Delate a .wav file from the list</source>
        <translation>Elimina|Elimina un file .wav dall&apos;elenco</translation>
    </message>
    <message>
        <source>&amp;Change title</source>
        <translation>Cambia &amp;titolo</translation>
    </message>
    <message>
        <source>Change title|Change title of message list</source>
        <translation>Cambia titolo|Cambia il titolo dell&apos;elenco dei messaggi</translation>
    </message>
    <message>
        <source>&amp;Find file</source>
        <translation>Ce&amp;rca file</translation>
    </message>
    <message>
        <source>Find|Find file in the message list</source>
        <translation>Cerca|Cerca un file nell&apos;elenco dei messaggi</translation>
    </message>
    <message>
        <source>C&amp;hange description</source>
        <translation>Cambia &amp;descrizione</translation>
    </message>
    <message>
        <source>Change description|Change description of message file</source>
        <translation>Cambia descrizione|Cambia la descrizione del file del messaggio</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Esc&amp;i</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Help compiler info</source>
        <translation>Guida del compilatore</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Cartella</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close Message Folder</source>
        <translation>Chiudi la cartella dei messaggi</translation>
    </message>
</context>
<context>
    <name>MessageFolderWindowQuestions</name>
    <message>
        <source>Enter a title for the message list (max.100 char.)</source>
        <translation>Scrivete un titolo per l&apos;elenco dei messaggi (max. 100 caratteri)</translation>
    </message>
    <message>
        <source>Enter a description of the message file (max. 50 char.)</source>
        <translation>Scrivete una descrizione del file del messaggio (max. 50 caratteri)</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Il titolo</translation>
    </message>
    <message>
        <source>description</source>
        <translation>La descrizione</translation>
    </message>
    <message>
        <source>Edit text box</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>The %1 has %2 characters.</source>
        <translation>%1 ha %2 caratteri.</translation>
    </message>
    <message>
        <source>Enter a message number (1..127)</source>
        <translation>Scrivete un numero di messaggio (1..127)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; non è un numero intero valido</translation>
    </message>
</context>
<context>
    <name>MessageList</name>
    <message>
        <source>Message %1: %2 (%1.WAV)</source>
        <translation>Messaggio %1: %2 (%1.WAV)</translation>
    </message>
</context>
<context>
    <name>NameCommands</name>
    <message>
        <source>Edit box</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Max 20 Characters</source>
        <translation>Al massimo 20 caratteri</translation>
    </message>
</context>
<context>
    <name>RecordingFiles</name>
    <message>
        <source>Recording %1, %2 MB</source>
        <translation>Registrazione %1, %2 MB</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>%1 is a folder, not a recording</source>
        <translation>%1 è una cartella, non una registrazione</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so not a recording</source>
        <translation>%1 non è un file normale, quindi non è una registrazione</translation>
    </message>
    <message>
        <source>%1 is not a recording</source>
        <translation>%1 non è una registrazione</translation>
    </message>
    <message>
        <source>%1 is truncated: not a whole recording</source>
        <translation>%1 è troncato: non è una registrazione intera</translation>
    </message>
    <message>
        <source>%1 is damaged: the reads recorded from %2 on cannot be read</source>
        <translation>%1 è danneggiato: le letture registrate da %2 in poi non si possono leggere</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 non si può aprire: %2</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 è danneggiato</translation>
    </message>
    <message>
        <source>%1 is a database of another program, not a recording</source>
        <translation>%1 è un database di un altro programma, non una registrazione</translation>
    </message>
    <message>
        <source>%1 was recorded by a newer version (format %2; this one reads format %3)</source>
        <translation>%1 è stato registrato da una versione più recente (formato %2; questa legge il formato %3)</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 è danneggiato: %2</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>%1 exists already</source>
        <translation>%1 esiste già</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>Recording stopped: %1</source>
        <translation>Registrazione interrotta: %1</translation>
    </message>
</context>
<context>
    <name>ReplaceQuestion</name>
    <message>
        <source>The configuration was changed and not saved. Replace it anyway?</source>
        <translation>Configurazione modificata e non salvata. Sostituirla comunque?</translation>
    </message>
</context>
<context>
    <name>ReportCells</name>
    <message>
        <source> None  |</source>
        <comment>8 characters</comment>
        <translation>Nessuno|</translation>
    </message>
    <message>
        <source>    None    |</source>
        <comment>13 characters</comment>
        <translation>  Nessuno   |</translation>
    </message>
    <message>
        <source>Zone</source>
        <comment>4 characters</comment>
        <translation>Zona</translation>
    </message>
</context>
<context>
    <name>ReportGuards</name>
    <message>
        <source>%1, then choose the report again.</source>
        <translation>%1, poi scegliere di nuovo il rapporto.</translation>
    </message>
    <message>
        <source>No master connected</source>
        <translation>Nessun master collegato</translation>
    </message>
    <message>
        <source>Connect the PC to a master</source>
        <translation>Collegare il PC a un master</translation>
    </message>
    <message>
        <source>Configuration not Uploaded</source>
        <translation>Configurazione senza Upload</translation>
    </message>
    <message>
        <source>A configuration report shows what the connected master holds: Upload its configuration (Config / Upload)</source>
        <translation>Un rapporto di configurazione mostra ciò che contiene il master collegato: fare l&apos;Upload della sua configurazione (Configurazione / Upload)</translation>
    </message>
    <message>
        <source>Configuration modified</source>
        <translation>Configurazione modificata</translation>
    </message>
    <message>
        <source>The configuration was edited since the Upload: Download it to the master, or Upload the master&apos;s again (Config / Upload)</source>
        <translation>La configurazione è stata modificata dopo l&apos;Upload: farne il Download nel master, o rifare l&apos;Upload di quella del master (Configurazione / Upload)</translation>
    </message>
    <message>
        <source>Configuration is not uploaded from the connected master</source>
        <translation>La configurazione non viene dall&apos;Upload del master collegato</translation>
    </message>
    <message>
        <source>Another master is connected, or its address or chime was changed since the Upload: Upload again (Config / Upload)</source>
        <translation>È collegato un altro master, o il suo indirizzo o il gong sono cambiati dopo l&apos;Upload: rifare l&apos;Upload (Configurazione / Upload)</translation>
    </message>
    <message>
        <source>Status Report</source>
        <translation>Rapporto di stato</translation>
    </message>
    <message>
        <source>Configuration Report</source>
        <translation>Rapporto di configurazione</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>Creation date-hour: %1 - %2</source>
        <translation>Data e ora di creazione: %1 - %2</translation>
    </message>
    <message>
        <source>Connection line = %1</source>
        <translation>Linea di collegamento = %1</translation>
    </message>
    <message>
        <source>Address = %1</source>
        <translation>Indirizzo = %1</translation>
    </message>
    <message>
        <source>Priority = %1</source>
        <translation>Priorità = %1</translation>
    </message>
    <message>
        <source>%1 (invalid)</source>
        <translation>%1 (non valido)</translation>
    </message>
</context>
<context>
    <name>SiteFolder</name>
    <message>
        <source>A site needs a name.</source>
        <translation>Un sito deve avere un nome.</translation>
    </message>
    <message>
        <source>A site&apos;s name cannot begin or end with a space.</source>
        <translation>Il nome di un sito non può iniziare o finire con uno spazio.</translation>
    </message>
    <message>
        <source>A site&apos;s name cannot contain &quot;/&quot;.</source>
        <translation>Il nome di un sito non può contenere &quot;/&quot;.</translation>
    </message>
    <message>
        <source>A site cannot be named &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Un sito non può chiamarsi &quot;.&quot; o &quot;..&quot;.</translation>
    </message>
    <message>
        <source>A site&apos;s name cannot begin with a dot: its folder would be hidden.</source>
        <translation>Il nome di un sito non può iniziare con un punto: la sua cartella sarebbe nascosta.</translation>
    </message>
    <message>
        <source>A site&apos;s name can have at most %1 characters.</source>
        <translation>Il nome di un sito può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>A site&apos;s name cannot contain control characters.</source>
        <translation>Il nome di un sito non può contenere caratteri di controllo.</translation>
    </message>
</context>
<context>
    <name>SiteOrigin</name>
    <message>
        <source> (master %1)</source>
        <translation> (master %1)</translation>
    </message>
    <message>
        <source>This configuration belongs to site %1%2; the open site is %3.</source>
        <translation>Questa configurazione appartiene al sito %1%2; il sito aperto è %3.</translation>
    </message>
    <message>
        <source>Download anyway?</source>
        <translation>Fare comunque il Download?</translation>
    </message>
</context>
<context>
    <name>SiteSession</name>
    <message>
        <source>%1The site %2 cannot be opened: %3 is %4.</source>
        <translation>%1Il sito %2 non si può aprire: %3 è %4.</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 è %2.</translation>
    </message>
    <message>
        <source>The site %1 cannot be opened: it is %2.</source>
        <translation>Il sito %1 non si può aprire: è %2.</translation>
    </message>
    <message>
        <source>The site %1 is the one open.</source>
        <translation>Il sito %1 è quello già aperto.</translation>
    </message>
</context>
<context>
    <name>SiteWindows</name>
    <message>
        <source>.
Open the site %1?</source>
        <translation>.
Aprire il sito %1?</translation>
    </message>
</context>
<context>
    <name>StatusReport</name>
    <message>
        <source>%1 setting = %2</source>
        <translation>%1: regolazione = %2</translation>
    </message>
    <message>
        <source>IO card %1</source>
        <translation>Scheda I/O %1</translation>
    </message>
    <message>
        <source>Desk microphone %1</source>
        <translation>Base microfonica %1</translation>
    </message>
    <message>
        <source>Status report</source>
        <translation>Rapporto di stato</translation>
    </message>
    <message>
        <source>Status report of the master with address %1</source>
        <translation>Rapporto di stato del master con indirizzo %1</translation>
    </message>
    <message>
        <source>Music level control settings:</source>
        <translation>Regolazioni dei livelli della musica:</translation>
    </message>
    <message>
        <source>Speech level control settings:</source>
        <translation>Regolazioni dei livelli degli annunci:</translation>
    </message>
    <message>
        <source>VOX threshold level settings:</source>
        <translation>Regolazioni delle soglie VOX:</translation>
    </message>
    <message>
        <source>Music source selections:</source>
        <translation>Selezione della sorgente musicale:</translation>
    </message>
    <message>
        <source>%1 selected = %2</source>
        <translation>%1 selezionata = %2</translation>
    </message>
    <message>
        <source>Connected master settings:</source>
        <translation>Impostazioni del master collegato:</translation>
    </message>
    <message>
        <source>Master address = %1</source>
        <translation>Indirizzo del master = %1</translation>
    </message>
    <message>
        <source>Chime enable = %1</source>
        <translation>Gong abilitato = %1</translation>
    </message>
    <message>
        <source>Master firmware release = %1.%2</source>
        <translation>Versione firmware del master = %1.%2</translation>
    </message>
    <message>
        <source>Units/IO cards connected to master:</source>
        <translation>Unità/schede I/O collegate al master:</translation>
    </message>
    <message>
        <source>Slave units connected to the master:</source>
        <translation>Unità slave collegate al master:</translation>
    </message>
    <message>
        <source>Slave address = %1  -  Group = %2</source>
        <translation>Indirizzo slave = %1  -  Gruppo = %2</translation>
    </message>
    <message>
        <source>Music level</source>
        <translation>Livello musica</translation>
    </message>
    <message>
        <source>Speech level</source>
        <translation>Livello annunci</translation>
    </message>
    <message>
        <source>VOX1 input</source>
        <translation>Ingresso VOX1</translation>
    </message>
    <message>
        <source>VOX2 input</source>
        <translation>Ingresso VOX2</translation>
    </message>
    <message>
        <source>Message input</source>
        <translation>Ingresso messaggi</translation>
    </message>
    <message>
        <source>Unit input</source>
        <translation>Ingresso unità</translation>
    </message>
    <message>
        <source>Remote input</source>
        <translation>Ingresso remoto</translation>
    </message>
    <message>
        <source>VOX1 threshold</source>
        <translation>Soglia VOX1</translation>
    </message>
    <message>
        <source>VOX2 threshold</source>
        <translation>Soglia VOX2</translation>
    </message>
    <message>
        <source>Music source</source>
        <translation>Sorgente musicale</translation>
    </message>
    <message>
        <source>Music on Remote</source>
        <translation>Musica su remoto</translation>
    </message>
</context>
<context>
    <name>StatusRules</name>
    <message>
        <source>Unit </source>
        <translation>Unità </translation>
    </message>
    <message>
        <source>Input </source>
        <translation>Ingresso </translation>
    </message>
    <message>
        <source>Timer event </source>
        <translation>Evento timer </translation>
    </message>
    <message>
        <source>Remote </source>
        <translation>Remoto </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Message </source>
        <translation>Messaggio </translation>
    </message>
    <message>
        <source>Enable summer legal time</source>
        <translation>Attiva l&apos;ora legale</translation>
    </message>
    <message>
        <source>Disable summer legal time</source>
        <translation>Disattiva l&apos;ora legale</translation>
    </message>
    <message>
        <source>DEFAULT Configuration of Master %1</source>
        <translation>Configurazione PREDEFINITA del master %1</translation>
    </message>
    <message>
        <source>Configuration from Master %1</source>
        <translation>Configurazione dal master %1</translation>
    </message>
    <message>
        <source>Configuration from File</source>
        <translation>Configurazione da file</translation>
    </message>
    <message>
        <source> - MODIFIED</source>
        <translation> - MODIFICATA</translation>
    </message>
    <message>
        <source>Names are at most 20 characters.</source>
        <translation>I nomi hanno al massimo 20 caratteri.</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>cartella inesistente</translation>
    </message>
    <message>
        <source>What master %1 holds is unknown: read it first (qs7582 upload with it connected).</source>
        <translation>Il contenuto del master %1 è ignoto: leggetelo prima (qs7582 upload con il master collegato).</translation>
    </message>
    <message>
        <source> A Download would need --force.</source>
        <translation> Un Download richiederebbe --force.</translation>
    </message>
    <message>
        <source>Standard output: </source>
        <translation>Standard output: </translation>
    </message>
    <message>
        <source>%1 [%2%3] %4/%5 blocks</source>
        <translation>%1 [%2%3] %4/%5 blocchi</translation>
    </message>
    <message>
        <source>Recording into %1; Ctrl-C stops.</source>
        <translation>Registrazione in %1; Ctrl-C la ferma.</translation>
    </message>
    <message>
        <source>, %1 lost</source>
        <translation>, %1 perse</translation>
    </message>
    <message>
        <source>%1: %2 reads%3</source>
        <translation>%1: %2 letture%3</translation>
    </message>
    <message>
        <source>history unreadable: </source>
        <translation>storico illeggibile: </translation>
    </message>
    <message>
        <source>no history</source>
        <translation>nessuno storico</translation>
    </message>
    <message>
        <source>masters %1  newest %2 master %3 %4%5</source>
        <translation>master %1  più recente %2 master %3 %4%5</translation>
    </message>
    <message>
        <source>Site %1: %2</source>
        <translation>Sito %1: %2</translation>
    </message>
    <message>
        <source>The list of known sites was not written: </source>
        <translation>L&apos;elenco dei siti noti non è stato scritto: </translation>
    </message>
    <message>
        <source>No site is known yet: a folder used with -C, or opened in the window, becomes one.</source>
        <translation>Nessun sito è ancora noto: una cartella usata con -C, o aperta nella finestra, lo diventa.</translation>
    </message>
    <message>
        <source>The device is in use by another program.</source>
        <translation>Il dispositivo è in uso da un altro programma.</translation>
    </message>
    <message>
        <source>The device may not be opened: no access (see &quot;Device permissions&quot; in the README).</source>
        <translation>Il dispositivo non può essere aperto: accesso negato (vedete &quot;Device permissions&quot; nel README).</translation>
    </message>
    <message>
        <source>A message generator is connected, not a master.</source>
        <translation>È collegato un generatore di messaggi, non un master.</translation>
    </message>
    <message>
        <source>No device found within %1 s.</source>
        <translation>Nessun dispositivo trovato entro %1 s.</translation>
    </message>
    <message>
        <source>No master answered within %1 s.</source>
        <translation>Nessun master ha risposto entro %1 s.</translation>
    </message>
    <message>
        <source>Configuration history not written: </source>
        <translation>Storico della configurazione non scritto: </translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <source>: the Upload starts again (%1 of %2).</source>
        <translation>: l&apos;Upload riparte (%1 di %2).</translation>
    </message>
    <message>
        <source>Upload cancelled.</source>
        <translation>Upload annullato.</translation>
    </message>
    <message>
        <source>No master answered within %1 s: the Upload was given up.</source>
        <translation>Nessun master ha risposto entro %1 s: l&apos;Upload è stato abbandonato.</translation>
    </message>
    <message>
        <source>%1 was read from master %2; the connected master is %3.</source>
        <translation>%1 è stato letto dal master %2; il master collegato è il %3.</translation>
    </message>
    <message>
        <source>%1 was read from master %2, not master %3.</source>
        <translation>%1 è stato letto dal master %2, non dal master %3.</translation>
    </message>
    <message>
        <source>The connected master is %1, not %2: nothing was written.</source>
        <translation>Il master collegato è il %1, non il %2: non è stato scritto nulla.</translation>
    </message>
    <message>
        <source> Nothing was written: --force downloads it anyway.</source>
        <translation> Non è stato scritto nulla: --force ne fa comunque il Download.</translation>
    </message>
    <message>
        <source>Interrupted: the Download finishes first; interrupt again to cut it.</source>
        <translation>Interrotto: prima finisce il Download; interrompete di nuovo per troncarlo.</translation>
    </message>
    <message>
        <source>Download complete: %1 blocks written to master %2</source>
        <translation>Download completato: %1 blocchi scritti nel master %2</translation>
    </message>
    <message>
        <source>Download cut at block %1 of %2: the master holds a partial configuration.</source>
        <translation>Download troncato al blocco %1 di %2: il master contiene una configurazione parziale.</translation>
    </message>
    <message>
        <source>Download cut before it began: nothing was written.</source>
        <translation>Download troncato prima di iniziare: non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The link failed before the Download began: nothing was written.</source>
        <translation>Il collegamento è caduto prima dell&apos;inizio del Download: non è stato scritto nulla.</translation>
    </message>
</context>
<context>
    <name>TimerReport</name>
    <message>
        <source>No Timer Output event set</source>
        <translation>Nessun evento di uscita del timer</translation>
    </message>
    <message>
        <source>Timer Output event %1</source>
        <translation>Evento di uscita del timer %1</translation>
    </message>
    <message>
        <source>Setting of timer event %1</source>
        <translation>Impostazione dell&apos;evento timer %1</translation>
    </message>
    <message>
        <source>Event start date %1</source>
        <translation>Data di inizio evento %1</translation>
    </message>
    <message>
        <source>Event start time %1</source>
        <translation>Ora di inizio evento %1</translation>
    </message>
    <message>
        <source>Period = %1 sec.</source>
        <translation>Periodo = %1 sec.</translation>
    </message>
    <message>
        <source>Stop time %1</source>
        <translation>Ora di fine %1</translation>
    </message>
    <message>
        <source>Event date %1</source>
        <translation>Data evento %1</translation>
    </message>
    <message>
        <source>Event time %1</source>
        <translation>Ora evento %1</translation>
    </message>
    <message>
        <source>No periodic event</source>
        <translation>Evento non periodico</translation>
    </message>
    <message>
        <source>Timer Priority = %1</source>
        <translation>Priorità del timer = %1</translation>
    </message>
    <message>
        <source>Timer enable = %1</source>
        <translation>Timer abilitato = %1</translation>
    </message>
    <message>
        <source>Message event list</source>
        <translation>Elenco eventi messaggio</translation>
    </message>
    <message>
        <source>Message event %1</source>
        <translation>Evento messaggio %1</translation>
    </message>
    <message>
        <source>Message event list EMPTY</source>
        <translation>Elenco eventi messaggio VUOTO</translation>
    </message>
    <message>
        <source>Programmed timers configuration report of the master with address %1</source>
        <translation>Rapporto di configurazione dei timer programmati del master con indirizzo %1</translation>
    </message>
    <message>
        <source>NO TIMERS CREATED FOR MASTER</source>
        <translation>NESSUN TIMER CREATO PER IL MASTER</translation>
    </message>
</context>
<context>
    <name>TimerText</name>
    <message>
        <source>%1 (next day)</source>
        <translation>%1 (giorno dopo)</translation>
    </message>
    <message>
        <source>One time event</source>
        <translation>Evento singolo</translation>
    </message>
    <message>
        <source>Daily event</source>
        <translation>Evento giornaliero</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sab</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Weekly event (%1)</source>
        <translation>Evento settimanale (%1)</translation>
    </message>
    <message>
        <source> - level operation</source>
        <translation> - funzionamento a livello</translation>
    </message>
    <message>
        <source> - Rising edge operation</source>
        <translation> - funzionamento sul fronte di salita</translation>
    </message>
    <message>
        <source> - Falling edge operation</source>
        <translation> - funzionamento sul fronte di discesa</translation>
    </message>
    <message>
        <source> - Rising and falling edges operation</source>
        <translation> - funzionamento su entrambi i fronti</translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message>
        <source>Download complete: %1 blocks written to master %2</source>
        <translation>Download completato: %1 blocchi scritti nel master %2</translation>
    </message>
    <message>
        <source>Upload complete: %1 blocks read from master %2</source>
        <translation>Upload completato: %1 blocchi letti dal master %2</translation>
    </message>
    <message>
        <source>%1: restart %2 of %3, Esc cancels</source>
        <translation>%1: ripresa %2 di %3, Esc annulla</translation>
    </message>
    <message>
        <source>Generator command</source>
        <translation>Comando al generatore</translation>
    </message>
    <message>
        <source>Summer-time table</source>
        <translation>Tabella dell&apos;ora legale</translation>
    </message>
    <message>
        <source> - PARTIAL DOWNLOAD</source>
        <translation> - DOWNLOAD PARZIALE</translation>
    </message>
    <message>
        <source>Pending Upload dropped: configuration replaced</source>
        <translation>Upload in attesa annullato: configurazione sostituita</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Trasferimento annullato</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>The master did not answer</source>
        <translation>Il master non ha risposto</translation>
    </message>
    <message>
        <source>The message generator did not answer</source>
        <translation>Il generatore di messaggi non ha risposto</translation>
    </message>
    <message>
        <source>The master stayed busy</source>
        <translation>Il master è rimasto occupato</translation>
    </message>
    <message>
        <source>The message generator stayed busy</source>
        <translation>Il generatore di messaggi è rimasto occupato</translation>
    </message>
    <message>
        <source>The master gave a garbled reply</source>
        <translation>Il master ha dato una risposta illeggibile</translation>
    </message>
    <message>
        <source>The message generator gave a garbled reply</source>
        <translation>Il generatore di messaggi ha dato una risposta illeggibile</translation>
    </message>
    <message>
        <source>The link failed</source>
        <translation>Errore del collegamento</translation>
    </message>
    <message>
        <source>The link was lost</source>
        <translation>Il collegamento si è interrotto</translation>
    </message>
    <message>
        <source>%1 at block %2 of %3</source>
        <translation>%1 al blocco %2 di %3</translation>
    </message>
    <message>
        <source>%1, again after %2 restarts</source>
        <translation>%1, anche dopo %2 ripartenze</translation>
    </message>
    <message>
        <source>%1: the master now holds a partial configuration. Download again.</source>
        <translation>%1: ora il master contiene una configurazione parziale. Rifare il Download.</translation>
    </message>
    <message>
        <source>%1: the Upload was given up. The configuration in memory is unchanged.</source>
        <translation>%1: l&apos;Upload è stato abbandonato. La configurazione in memoria non è cambiata.</translation>
    </message>
    <message>
        <source>%1: the command was not sent.</source>
        <translation>%1: il comando non è stato inviato.</translation>
    </message>
    <message>
        <source>%1: the summer-time table was not sent.</source>
        <translation>%1: la tabella dell&apos;ora legale non è stata inviata.</translation>
    </message>
</context>
<context>
    <name>WorkingFolderLock</name>
    <message>
        <source>The Q7582 Manager is already running in this folder</source>
        <translation>Il Q7582 Manager è già in esecuzione in questa cartella</translation>
    </message>
</context>
<context>
    <name>q7582::AboutBox</name>
    <message>
        <source>RKDV7582 firmware release: %1.%2</source>
        <translation>Versione firmware RKDV7582: %1.%2</translation>
    </message>
    <message>
        <source>Q7582 firmware release: %1.%2</source>
        <translation>Versione firmware Q7582: %1.%2</translation>
    </message>
    <message>
        <source>Product : </source>
        <translation>Prodotto: </translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versione: </translation>
    </message>
    <message>
        <source>Company Name: </source>
        <translation>Azienda: </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>q7582::ActiveSourcePanel</name>
    <message>
        <source>Active source</source>
        <translation>Sorgente attiva</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Sorgente</translation>
    </message>
    <message>
        <source>Pty</source>
        <translation>Prio</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
</context>
<context>
    <name>q7582::ConfigCommands</name>
    <message>
        <source>Recent files</source>
        <translation>File recenti</translation>
    </message>
    <message>
        <source>%1 is not there any more.
Remove it from the recent files?</source>
        <translation>%1 non c&apos;è più.
Toglierlo dai file recenti?</translation>
    </message>
    <message>
        <source>%1 already exists.
Replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Carica configurazione predefinita</translation>
    </message>
    <message>
        <source>Default configuration of master %1</source>
        <translation>Configurazione predefinita del master %1</translation>
    </message>
</context>
<context>
    <name>q7582::ConfigEditor</name>
    <message>
        <source>Edit configuration</source>
        <translation>Modifica configurazione</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Help topic %1 of %2</source>
        <translation>Argomento %1 della guida %2</translation>
    </message>
    <message>
        <source>Timer events</source>
        <translation>Eventi timer</translation>
    </message>
    <message>
        <source>IN/OUT logic</source>
        <translation>Logica IN/OUT</translation>
    </message>
    <message>
        <source>List keys and inputs with message or output event</source>
        <translation>Elenco tasti e ingressi con messaggio o evento di uscita</translation>
    </message>
    <message>
        <source>List keys and inputs with no zones associated</source>
        <translation>Elenco tasti e ingressi senza zone associate</translation>
    </message>
    <message>
        <source>List message events with output event</source>
        <translation>Elenco eventi messaggio con evento di uscita</translation>
    </message>
    <message>
        <source>List message events with no messages or zones associated</source>
        <translation>Elenco eventi messaggio senza messaggi o zone associati</translation>
    </message>
    <message>
        <source>List programmed timer events </source>
        <translation>Elenco eventi timer programmati </translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Configuration modified</source>
        <translation>Configurazione modificata</translation>
    </message>
    <message>
        <source>Original configuration</source>
        <translation>Configurazione originale</translation>
    </message>
    <message>
        <source>Configuration is modified, save changes ?</source>
        <translation>La configurazione è modificata, salvare le modifiche?</translation>
    </message>
    <message>
        <source>Yes = save &amp; quit
No = quit
Cancel = continue</source>
        <translation>Sì = salva &amp; esci
No = esci
Annulla = continua</translation>
    </message>
</context>
<context>
    <name>q7582::GeneratorPage</name>
    <message>
        <source>RKDV7582 message generator</source>
        <translation>Generatore di messaggi RKDV7582</translation>
    </message>
    <message>
        <source>RKDV Date</source>
        <translation>Data RKDV</translation>
    </message>
    <message>
        <source>RKDV Time</source>
        <translation>Ora RKDV</translation>
    </message>
    <message>
        <source>Message list</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>Align Date and Time with PC</source>
        <translation>Allinea data e ora al PC</translation>
    </message>
    <message>
        <source>Update summer legal time file</source>
        <translation>Aggiorna il file dell&apos;ora legale</translation>
    </message>
    <message>
        <source>WARNING: before inserting and removing the SD card turn off the equipment !!!</source>
        <translation>ATTENZIONE: spegnere l&apos;apparecchio prima di inserire o togliere la scheda SD !!!</translation>
    </message>
</context>
<context>
    <name>q7582::GridPages</name>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Message events</source>
        <translation>Eventi messaggio</translation>
    </message>
    <message>
        <source>Out events</source>
        <translation>Eventi di uscita</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Scheda %1</translation>
    </message>
    <message>
        <source>Activated out</source>
        <translation>Uscita attivata</translation>
    </message>
    <message>
        <source>Unaffected out</source>
        <translation>Uscita invariata</translation>
    </message>
    <message>
        <source>Deactivated out</source>
        <translation>Uscita disattivata</translation>
    </message>
    <message>
        <source>Selected zone</source>
        <translation>Zona selezionata</translation>
    </message>
    <message>
        <source>Unselected zone</source>
        <translation>Zona non selezionata</translation>
    </message>
    <message>
        <source>Message event </source>
        <translation>Evento messaggio </translation>
    </message>
    <message>
        <source>Out event </source>
        <translation>Evento uscita </translation>
    </message>
    <message>
        <source>Key/input </source>
        <translation>Tasto/ingresso </translation>
    </message>
    <message>
        <source>Key </source>
        <translation>Tasto </translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>Change priority</source>
        <translation>Modifica priorità</translation>
    </message>
    <message>
        <source>Priority number 1...7</source>
        <translation>Priorità 1...7</translation>
    </message>
    <message>
        <source>Change message number</source>
        <translation>Modifica numero del messaggio</translation>
    </message>
    <message>
        <source>Message number 0...127 (0=none)</source>
        <translation>Numero del messaggio 0...127 (0=nessuno)</translation>
    </message>
</context>
<context>
    <name>q7582::GroupsPanel</name>
    <message>
        <source>Groups</source>
        <translation>Gruppi</translation>
    </message>
</context>
<context>
    <name>q7582::HelpWindow</name>
    <message>
        <source>Q7582 Manager Help</source>
        <translation>Guida del Q7582 Manager</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
</context>
<context>
    <name>q7582::HistoryWindow</name>
    <message>
        <source>Differences</source>
        <translation>Differenze</translation>
    </message>
    <message>
        <source>Configuration history</source>
        <translation>Storico delle configurazioni</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>Parziale</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Compare with &amp;memory</source>
        <translation>Confronta con la &amp;memoria</translation>
    </message>
    <message>
        <source>Compare &amp;two</source>
        <translation>Confronta &amp;due</translation>
    </message>
    <message>
        <source>Open &amp;folder</source>
        <translation>Apri ca&amp;rtella</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>%1 entries in %2</source>
        <translation>%1 voci in %2</translation>
    </message>
    <message>
        <source>The file manager could not open %1</source>
        <translation>Il gestore dei file non ha potuto aprire %1</translation>
    </message>
</context>
<context>
    <name>q7582::IoGridPanel</name>
    <message>
        <source>Card </source>
        <translation>Scheda </translation>
    </message>
    <message>
        <source>Digital outputs</source>
        <translation>Uscite digitali</translation>
    </message>
    <message>
        <source>Digital inputs</source>
        <translation>Ingressi digitali</translation>
    </message>
</context>
<context>
    <name>q7582::IoLogicPage</name>
    <message>
        <source>In contact</source>
        <translation>Contatti IN</translation>
    </message>
    <message>
        <source>Out contact</source>
        <translation>Contatti OUT</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Rising edge</source>
        <translation>Fronte salita</translation>
    </message>
    <message>
        <source>Falling edge</source>
        <translation>Fronte discesa</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Scheda %1</translation>
    </message>
    <message>
        <source>Positive logic</source>
        <translation>Logica positiva</translation>
    </message>
    <message>
        <source>Negative logic</source>
        <translation>Logica negativa</translation>
    </message>
</context>
<context>
    <name>q7582::LevelsPanel</name>
    <message>
        <source>Speech</source>
        <translation>Annunci</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>VOX1 input</source>
        <translation>Ingresso VOX1</translation>
    </message>
    <message>
        <source>VOX2 input</source>
        <translation>Ingresso VOX2</translation>
    </message>
    <message>
        <source>Message input</source>
        <translation>Ingr. messaggi</translation>
    </message>
    <message>
        <source>Unit input</source>
        <translation>Ingresso unità</translation>
    </message>
    <message>
        <source>Remote input</source>
        <translation>Ingresso remoto</translation>
    </message>
    <message>
        <source>Speech level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Music level</source>
        <translation>Livello</translation>
    </message>
</context>
<context>
    <name>q7582::LiveControls</name>
    <message>
        <source>Edit box</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Addr 0...5</source>
        <translation>Indirizzo 0...5</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one digit from 0 to 5.</source>
        <translation>&apos;%1&apos; non è una cifra da 0 a 5.</translation>
    </message>
</context>
<context>
    <name>q7582::MainMenuBar</name>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Messaggi</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Configurazione</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Rapporti</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Esc&amp;i</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation>&amp;Upload</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Download</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>&amp;Confronta...</translation>
    </message>
    <message>
        <source>Compare with De&amp;fault</source>
        <translation>Confronta con la &amp;predefinita</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>S&amp;torico...</translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>Carica configurazione p&amp;redefinita</translation>
    </message>
    <message>
        <source>Master %1</source>
        <translation>Master %1</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Stato</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configurazione</translation>
    </message>
    <message>
        <source>Connected &amp;units</source>
        <translation>&amp;Unità collegate</translation>
    </message>
    <message>
        <source>Connected &amp;IO card</source>
        <translation>Schede &amp;I/O collegate</translation>
    </message>
    <message>
        <source>Configured &amp;Timers</source>
        <translation>&amp;Timer configurati</translation>
    </message>
    <message>
        <source>&amp;Timeline...</source>
        <translation>Linea &amp;temporale...</translation>
    </message>
    <message>
        <source>H&amp;elp Language</source>
        <translation>Lingua d&amp;ell&apos;aiuto</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Automatic (the desktop&apos;s language)</source>
        <translation>&amp;Automatica (la lingua del desktop)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The manager shows its windows in the new language from its next start.</source>
        <translation>Il programma mostra le sue finestre nella nuova lingua dal prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>q7582::MainWindow</name>
    <message>
        <source>Configuration history not written</source>
        <translation>Storico della configurazione non scritto</translation>
    </message>
    <message>
        <source>The master was not read: nothing was written to it</source>
        <translation>Il master non è stato letto: non vi è stato scritto nulla</translation>
    </message>
    <message>
        <source>The connected master has not told its address yet. Try again in a moment.</source>
        <translation>Il master collegato non ha ancora comunicato il suo indirizzo. Riprovate fra un momento.</translation>
    </message>
    <message>
        <source>Editor changes kept in %1</source>
        <translation>Modifiche dell&apos;editor conservate in %1</translation>
    </message>
    <message>
        <source>The editor was open with changes when the program was ended: Config / Open loads them from %1</source>
        <translation>L&apos;editor era aperto con modifiche quando il programma è stato chiuso: Configurazione / Apri le carica da %1</translation>
    </message>
</context>
<context>
    <name>q7582::MasterPanel</name>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Master address</source>
        <translation>Indirizzo master</translation>
    </message>
    <message>
        <source>Double click to change the master address</source>
        <translation>Doppio clic per cambiare l&apos;indirizzo del master</translation>
    </message>
    <message>
        <source>Chime enable</source>
        <translation>Gong attivo</translation>
    </message>
    <message>
        <source>Master Date</source>
        <translation>Data master</translation>
    </message>
    <message>
        <source>Master Time</source>
        <translation>Ora master</translation>
    </message>
    <message>
        <source>Align Date and Time with PC</source>
        <translation>Allinea data e ora al PC</translation>
    </message>
</context>
<context>
    <name>q7582::MessageEventPicker</name>
    <message>
        <source>Message event </source>
        <translation>Ev. messaggio </translation>
    </message>
    <message>
        <source>Message event list</source>
        <translation>Eventi messaggio</translation>
    </message>
    <message>
        <source>Selection list</source>
        <translation>Selezionati</translation>
    </message>
</context>
<context>
    <name>q7582::MessageFolderWindow</name>
    <message>
        <source>Q7582 message folder compiler</source>
        <translation>Compilatore della cartella dei messaggi Q7582</translation>
    </message>
    <message>
        <source>Message list title</source>
        <translation>Titolo dell&apos;elenco</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Msg</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Message folder: %1</source>
        <translation>Cartella dei messaggi: %1</translation>
    </message>
    <message>
        <source>Message folder: not selected</source>
        <translation>Cartella dei messaggi: non scelta</translation>
    </message>
    <message>
        <source>Message list folder</source>
        <translation>Cartella dell&apos;elenco dei messaggi</translation>
    </message>
    <message>
        <source>Error loading message folder.</source>
        <translation>Errore nel caricare la cartella dei messaggi.</translation>
    </message>
    <message>
        <source>Errors found: open the error log?</source>
        <translation>Trovati errori: aprire il registro degli errori?</translation>
    </message>
    <message>
        <source>Save the list with the corrections?</source>
        <translation>Salvare l&apos;elenco con le correzioni?</translation>
    </message>
    <message>
        <source>Open wave files</source>
        <translation>Apri file WAV</translation>
    </message>
    <message>
        <source>wave files (*.wav *.WAV)</source>
        <translation>file WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Add message to list</source>
        <translation>Aggiungi messaggio all&apos;elenco</translation>
    </message>
    <message>
        <source>Message %1 is already in the list.</source>
        <translation>Il messaggio %1 è già nell&apos;elenco.</translation>
    </message>
    <message>
        <source>ARE YOU SURE ?</source>
        <translation>SIETE SICURI ?</translation>
    </message>
    <message>
        <source>Remove file from Message List</source>
        <translation>Togli file dall&apos;elenco dei messaggi</translation>
    </message>
    <message>
        <source>Find file</source>
        <translation>Cerca file</translation>
    </message>
    <message>
        <source>LIST IS EMPTY</source>
        <translation>ELENCO VUOTO</translation>
    </message>
    <message>
        <source>Find message in list</source>
        <translation>Cerca messaggio nell&apos;elenco</translation>
    </message>
    <message>
        <source>Message %1 is not in the list.</source>
        <translation>Il messaggio %1 non è nell&apos;elenco.</translation>
    </message>
</context>
<context>
    <name>q7582::MusicSelectionPanel</name>
    <message>
        <source>Music selection</source>
        <translation>Selezione musica</translation>
    </message>
    <message>
        <source>Music source</source>
        <translation>Sorgente</translation>
    </message>
    <message>
        <source>Music on Remote</source>
        <translation>Musica su remoto</translation>
    </message>
</context>
<context>
    <name>q7582::RecentFilesMenu</name>
    <message>
        <source>&amp;Recent Files</source>
        <translation>File r&amp;ecenti</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source> (missing)</source>
        <translation> (mancante)</translation>
    </message>
</context>
<context>
    <name>q7582::RecordCommand</name>
    <message>
        <source>Rec&amp;ord</source>
        <translation>Regis&amp;tra</translation>
    </message>
    <message>
        <source>Not recording: %1</source>
        <translation>Registrazione non avviata: %1</translation>
    </message>
    <message>
        <source>%1
Click to open it in a timeline window</source>
        <translation>%1
Un clic la apre in una finestra della linea temporale</translation>
    </message>
    <message>
        <source>Recorded %1 reads into %2</source>
        <translation>Registrate %1 letture in %2</translation>
    </message>
</context>
<context>
    <name>q7582::RepeatDaysRow</name>
    <message>
        <source>One Time</source>
        <translation>Una volta</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Giornaliero</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Settimanale</translation>
    </message>
</context>
<context>
    <name>q7582::ReportViewer</name>
    <message>
        <source>save</source>
        <translation>salva</translation>
    </message>
    <message>
        <source>print</source>
        <translation>stampa</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: non è un file normale</translation>
    </message>
    <message>
        <source>The printer reported an error</source>
        <translation>La stampante ha segnalato un errore</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf);;Text (*.txt)</source>
        <translation>Rich Text Format (*.rtf);;Testo (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved:
%1</source>
        <translation>Impossibile salvare il rapporto:
%1</translation>
    </message>
    <message>
        <source>The report could not be printed:
%1</source>
        <translation>Impossibile stampare il rapporto:
%1</translation>
    </message>
</context>
<context>
    <name>q7582::SiteMenu</name>
    <message>
        <source>&amp;Site</source>
        <translation>&amp;Sito</translation>
    </message>
    <message>
        <source>&amp;New Site...</source>
        <translation>&amp;Nuovo sito...</translation>
    </message>
    <message>
        <source>&amp;Open Site...</source>
        <translation>&amp;Apri sito...</translation>
    </message>
    <message>
        <source>Open Site &amp;Folder</source>
        <translation>Apri la &amp;cartella del sito</translation>
    </message>
    <message>
        <source>O&amp;verview</source>
        <translation>&amp;Panoramica</translation>
    </message>
    <message>
        <source>New Site</source>
        <translation>Nuovo sito</translation>
    </message>
    <message>
        <source>Name of the new site (one installation):</source>
        <translation>Nome del nuovo sito (un impianto):</translation>
    </message>
    <message>
        <source>Open Site</source>
        <translation>Apri sito</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sito</translation>
    </message>
    <message>
        <source>The site %1 is %2. Remove it from the recent sites?</source>
        <translation>Il sito %1 è %2. Toglierlo dai siti recenti?</translation>
    </message>
    <message>
        <source>The file manager could not open %1</source>
        <translation>Il gestore dei file non ha potuto aprire %1</translation>
    </message>
</context>
<context>
    <name>q7582::SiteOverview</name>
    <message>
        <source> (partial)</source>
        <translation> (parziale)</translation>
    </message>
    <message>
        <source>Site Overview</source>
        <translation>Panoramica del sito</translation>
    </message>
    <message>
        <source>Newest Upload</source>
        <translation>Ultimo Upload</translation>
    </message>
    <message>
        <source>Newest Download</source>
        <translation>Ultimo Download</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differenze</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Collegato</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Confronta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>collegato</translation>
    </message>
</context>
<context>
    <name>q7582::StatusBarPanel</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancel the transfer (Esc)</source>
        <translation>Annulla il trasferimento (Esc)</translation>
    </message>
</context>
<context>
    <name>q7582::TimelineOpener</name>
    <message>
        <source>Open recording</source>
        <translation>Apri registrazione</translation>
    </message>
</context>
<context>
    <name>q7582::TimelineWindow</name>
    <message>
        <source>%1%2 - Timeline</source>
        <translation>%1%2 - Linea temporale</translation>
    </message>
    <message>
        <source>&amp;Previous change</source>
        <translation>Variazione &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Next change</source>
        <translation>Variazione &amp;successiva</translation>
    </message>
    <message>
        <source>&amp;Whole recording</source>
        <translation>Registrazione &amp;intera</translation>
    </message>
    <message>
        <source>&amp;Commissioning record</source>
        <translation>&amp;Verbale di collaudo</translation>
    </message>
    <message>
        <source>What followed each input that went on in the span in view</source>
        <translation>Che cosa è seguito a ogni ingresso attivato nel tratto visibile</translation>
    </message>
    <message>
        <source>&amp;Hide lane</source>
        <translation>&amp;Nascondi riga</translation>
    </message>
    <message>
        <source>&amp;Show all lanes</source>
        <translation>&amp;Mostra tutte le righe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>The commissioning record could not be made:
%1</source>
        <translation>Non si è potuto creare il verbale di collaudo:
%1</translation>
    </message>
    <message>
        <source>%1 to %2 (%3 of %4)</source>
        <translation>da %1 a %2 (%3 di %4)</translation>
    </message>
</context>
<context>
    <name>q7582::TimerPage</name>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>A timer with no message event and no output event cannot be enabled: add message events (&quot;&gt;&gt;&quot;) or set a timer output event first.</source>
        <translation>Un timer senza eventi messaggio né evento di uscita non può essere attivato: aggiungere prima eventi messaggio (&quot;&gt;&gt;&quot;) o impostare un evento di uscita del timer.</translation>
    </message>
    <message>
        <source>Timer event </source>
        <translation>Evento timer </translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Timer output event</source>
        <translation>Evento uscita timer</translation>
    </message>
    <message>
        <source>Rising edge</source>
        <translation>Fronte di salita</translation>
    </message>
    <message>
        <source>Falling edge</source>
        <translation>Fronte di discesa</translation>
    </message>
</context>
<context>
    <name>q7582::TimerSchedule</name>
    <message>
        <source>Event date</source>
        <translation>Data evento</translation>
    </message>
    <message>
        <source>Event time</source>
        <translation>Ora evento</translation>
    </message>
    <message>
        <source>Set periodic event</source>
        <translation>Rendi periodico</translation>
    </message>
    <message>
        <source>Period (sec.)</source>
        <translation>Periodo (s)</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Reset periodic event</source>
        <translation>Rendi non periodico</translation>
    </message>
    <message>
        <source>Start event date</source>
        <translation>Data inizio</translation>
    </message>
    <message>
        <source>Start event time</source>
        <translation>Ora inizio</translation>
    </message>
    <message>
        <source>Change interval time</source>
        <translation>Modifica intervallo</translation>
    </message>
    <message>
        <source>Seconds 10...43200</source>
        <translation>Secondi 10...43200</translation>
    </message>
    <message>
        <source>Invalid &apos;Start event time&apos; (must be lower than &apos;Stop time&apos;)</source>
        <translation>&apos;Ora inizio&apos; non valida (deve precedere &apos;Ora di fine&apos;)</translation>
    </message>
    <message>
        <source>Invalid &apos;Stop time&apos; (must be higher than &apos;Start event time&apos;)</source>
        <translation>&apos;Ora di fine&apos; non valida (deve seguire &apos;Ora inizio&apos;)</translation>
    </message>
</context>
<context>
    <name>q7582::TransferController</name>
    <message>
        <source>No master connected</source>
        <translation>Nessun master collegato</translation>
    </message>
</context>
<context>
    <name>q7582::UnitsPanel</name>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Pty/Line</source>
        <translation>Prio/Linea</translation>
    </message>
</context>
<context>
    <name>q7582::VoxPanel</name>
    <message>
        <source>VOX1 threshold</source>
        <translation>Soglia VOX1</translation>
    </message>
    <message>
        <source>VOX2 threshold</source>
        <translation>Soglia VOX2</translation>
    </message>
    <message>
        <source>VOX1 level</source>
        <translation>Livello VOX1</translation>
    </message>
    <message>
        <source>VOX2 level</source>
        <translation>Livello VOX2</translation>
    </message>
</context>
<context>
    <name>q7582::WindowHelp</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
</context>
<context>
    <name>q7582::ZoneGrid</name>
    <message>
        <source>Output event</source>
        <translation>Evento uscita</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
</context>
<context>
    <name>q7582::ZoneGridPanel</name>
    <message>
        <source>Zones</source>
        <translation>Zone</translation>
    </message>
</context>
</TS>
