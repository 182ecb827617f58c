# fish completion for qvn, the command of Quorvane.

set -l commands check list orphans explain fix
set -l selecting "__fish_seen_subcommand_from check list orphans fix"

complete -c qvn -f
complete -c qvn -s h -l help -d 'Print help and exit'
complete -c qvn -n "not __fish_seen_subcommand_from $commands" -l version -d 'Print the version and exit'
complete -c qvn -n "not __fish_seen_subcommand_from $commands" -a check -d 'Check every page for links to missing files'
complete -c qvn -n "not __fish_seen_subcommand_from $commands" -a list -d 'List the pages a check would read'
complete -c qvn -n "not __fish_seen_subcommand_from $commands" -a orphans -d 'List the files no page links to'
complete -c qvn -n "not __fish_seen_subcommand_from $commands" -a explain -d 'Tell how a check treats the link on one line of a page'
complete -c qvn -n "not __fish_seen_subcommand_from $commands" -a fix -d 'Repair the broken links that have exactly one candidate'

# TOP for check, list and orphans; PAGE for explain.
complete -c qvn -n $selecting -x -a '(__fish_complete_directories)'
complete -c qvn -n "__fish_seen_subcommand_from explain" -F

# The selection: check, list, orphans (--exclude-links and --settings also explain).
complete -c qvn -n $selecting -l exclude-subfolder -x -d 'Skip this subfolder of the top folder'
complete -c qvn -n $selecting -l exclude-paths -x -d 'Skip files whose path contains one of these words'
complete -c qvn -n "__fish_seen_subcommand_from $commands" -l exclude-links -x -d 'Do not test links that contain one of these words'
complete -c qvn -n $selecting -l top-folder-only -d 'Read only the pages directly in the top folder'
complete -c qvn -n $selecting -l php -d 'Read .php files as well as HTML files'
complete -c qvn -n $selecting -l verbose -d 'Name each folder and page that could not be read'
complete -c qvn -n "__fish_seen_subcommand_from $commands" -l settings -r -F -d 'Take settings from this settings file (.usr)'

# Outputs: check, list.
complete -c qvn -n "__fish_seen_subcommand_from check list" -l show-repeated -d 'List a broken link each time a page repeats it'
complete -c qvn -n "__fish_seen_subcommand_from check list" -l output-dir -x -a '(__fish_complete_directories)' -d 'Write the reports or the file list here'
complete -c qvn -n "__fish_seen_subcommand_from check list" -l no-wait -d 'Fail at once when another run is writing into the output folder'

# More checks: check, orphans, fix.
complete -c qvn -n "__fish_seen_subcommand_from check orphans fix" -l all-links -d 'Read pages as HTML: every link of every tag'
complete -c qvn -n "__fish_seen_subcommand_from check orphans fix" -l site-root -x -a '(__fish_complete_directories)' -d 'Resolve root-relative links against this folder'
complete -c qvn -n "__fish_seen_subcommand_from check orphans fix" -l index-pages -d 'A link to a folder needs an index page in it'
complete -c qvn -n "__fish_seen_subcommand_from check orphans fix" -l index-files -x -d 'As --index-pages, with these index page names'
complete -c qvn -n "__fish_seen_subcommand_from check orphans fix" -l check-fragments -d 'A link\'s #fragment needs that id in the target page'
complete -c qvn -n "__fish_seen_subcommand_from check orphans fix" -l case -d 'Report letter-case mismatches, suggest names'

# Links to other sites: check.
complete -c qvn -n "__fish_seen_subcommand_from check" -l external -d 'Also ask the servers of links to other sites'
complete -c qvn -n "__fish_seen_subcommand_from check" -l external-jobs -x -d 'Requests under way at once'
complete -c qvn -n "__fish_seen_subcommand_from check" -l external-timeout -x -d 'Seconds one request may take'
complete -c qvn -n "__fish_seen_subcommand_from check" -l external-cache -x -d 'How long answers are kept (1d; 0 none)'

# Results: check.
complete -c qvn -n "__fish_seen_subcommand_from check" -l format -x -a 'text json csv sarif markdown' -d 'Results format'
complete -c qvn -n "__fish_seen_subcommand_from fix" -l format -x -a 'text json sarif markdown' -d 'Results format'
complete -c qvn -n "__fish_seen_subcommand_from check fix" -l out -r -F -d 'Write the document to this file'
complete -c qvn -n "__fish_seen_subcommand_from check" -l baseline -r -F -d 'Tell new and fixed broken links from this baseline'
complete -c qvn -n "__fish_seen_subcommand_from check" -l write-baseline -r -F -d 'Save the broken links found as a baseline'
complete -c qvn -n "__fish_seen_subcommand_from check" -l propose-repairs -d 'Give each broken link its proposed repair'

# Repairs: fix.
complete -c qvn -n "__fish_seen_subcommand_from fix" -l apply -d 'Write the repairs, backing the pages up first'
complete -c qvn -n "__fish_seen_subcommand_from fix" -l moved -d 'Also repair links to files moved elsewhere in the site'
complete -c qvn -n "__fish_seen_subcommand_from fix" -l near -d 'Also repair links to a name that differs a little'
complete -c qvn -n "__fish_seen_subcommand_from fix" -l only -x -a 'missing-file letter-case no-anchor' -d 'Repair only these kinds'
complete -c qvn -n "__fish_seen_subcommand_from fix" -l undo -x -d 'Put back the pages of the latest repair (or RUN)'

# explain: the top folder.
complete -c qvn -n "__fish_seen_subcommand_from explain" -l top -x -a '(__fish_complete_directories)' -d 'Top folder of the site'
